#include "platform/file_replace.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <filesystem>
#include <fstream>

namespace ravelin {

namespace {

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

bool Replace(const std::string& path, const std::string& bytes, TemporaryKind kind) {
    return WriteFileReplacingWith(path, [&](BufferedFileWriter& out) { return out.Put(bytes.data(), bytes.size()); },
                                  kind);
}

const TemporaryKind kKinds[] = {TemporaryKind::Unnamed, TemporaryKind::Named};

class FileReplaceTest : public ::testing::Test {
protected:
    TempDir folder;
};

TEST_F(FileReplaceTest, ReplacesAndCreatesLeavingNothingElse) {
    for (TemporaryKind kind : kKinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        const std::string target = folder.path + "out.jpg";
        EXPECT_TRUE(Replace(target, "first", kind));
        EXPECT_EQ(ReadFileText(target), "first");
        EXPECT_TRUE(Replace(target, std::string(200000, 'x'), kind));  // larger than one buffer
        EXPECT_EQ(ReadFileText(target), std::string(200000, 'x'));
        EXPECT_EQ(Names(folder.path), std::vector<std::string>{"out.jpg"});
        std::filesystem::remove(target);
    }
    EXPECT_TRUE(WriteFileReplacing(folder.path + "whole.ini", "[a]\n"));
    EXPECT_EQ(ReadFileText(folder.path + "whole.ini"), "[a]\n");
}

TEST_F(FileReplaceTest, AFailureKeepsTheEarlierFileAndLeavesNothingElse) {
    const std::string target = folder.path + "out.jpg";
    Write(target, "old");
    std::filesystem::create_directory(folder.path + "sub.jpg");
    for (TemporaryKind kind : kKinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        // The producer gives up part-way.
        EXPECT_FALSE(WriteFileReplacingWith(target, [](BufferedFileWriter& out) { return !out.Put("new", 3); }, kind));
        // A folder, a missing folder, a path without a file name.
        EXPECT_FALSE(Replace(folder.path + "sub.jpg", "new", kind));
        EXPECT_FALSE(Replace(folder.path + "missing/out.jpg", "new", kind));
        EXPECT_FALSE(Replace(folder.path, "new", kind));
        EXPECT_EQ(ReadFileText(target), "old");
        EXPECT_EQ(Names(folder.path), (std::vector<std::string>{"out.jpg", "sub.jpg"}));
    }
}

// The temporary name must not grow with the target's: the longest names a folder allows still work.
TEST_F(FileReplaceTest, NamesUpToTheSystemLimitsCanBeReplaced) {
    std::vector<std::string> targets;
    for (std::size_t length : {242u, 250u, 255u}) targets.push_back(folder.path + std::string(length - 4, 'n') + ".jpg");
    // A path of 4095 bytes, the longest one the system takes, through folders of long names.
    std::string deep = folder.path;
    while (deep.size() + 256 < 4095 - 20) deep += std::string(200, 'd') + "/";
    std::filesystem::create_directories(deep);
    targets.push_back(deep + std::string(4095 - deep.size() - 4, 'p') + ".jpg");
    ASSERT_EQ(targets.back().size(), 4095u);

    for (const std::string& target : targets) {
        for (TemporaryKind kind : kKinds) {
            SCOPED_TRACE(std::to_string(target.size()) + " " + std::to_string(static_cast<int>(kind)));
            EXPECT_TRUE(Replace(target, "new", kind));
            EXPECT_TRUE(Replace(target, "newer", kind));
            EXPECT_EQ(ReadFileText(target), "newer");
            for (const std::string& name : Names(std::filesystem::path(target).parent_path())) {
                EXPECT_NE(name.front(), '.') << name;  // no temporary file left
            }
        }
    }
}

// The new file takes the mode of the one it replaces; a new file gets 0666 less the umask.
TEST_F(FileReplaceTest, KeepsTheModeOfTheFileItReplaces) {
    const mode_t previousMask = ::umask(027);
    struct Case {
        mode_t existing;  // 0: no earlier file
        mode_t expected;
    };
    for (const Case& c : {Case{0640, 0640}, Case{0604, 0604}, Case{0600, 0600}, Case{0755, 0755}, Case{0, 0640}}) {
        for (TemporaryKind kind : kKinds) {
            SCOPED_TRACE(std::to_string(c.existing) + " " + std::to_string(static_cast<int>(kind)));
            const std::string target = folder.path + "out.jpg";
            std::filesystem::remove(target);
            if (c.existing != 0) {
                Write(target, "old");
                ASSERT_EQ(::chmod(target.c_str(), c.existing), 0);
            }
            EXPECT_TRUE(Replace(target, "new", kind));
            EXPECT_EQ(ModeOf(target), c.expected);
        }
    }
    ::umask(previousMask);
}

// Owner and group are kept where the process may give them away (root may, others only to their groups).
TEST_F(FileReplaceTest, KeepsTheOwnerAndGroupOfTheFileItReplacesWherePermitted) {
    const std::string target = folder.path + "out.jpg";
    Write(target, "old");
    uid_t owner = ::geteuid();
    gid_t group = ::getegid();
    if (::chown(target.c_str(), 4242, 4343) == 0) {
        owner = 4242;
        group = 4343;
    } else {
        gid_t groups[64];
        const int count = std::max(::getgroups(64, groups), 0);
        const auto other = std::find_if(groups, groups + count, [](gid_t g) { return g != ::getegid(); });
        if (other == groups + count) GTEST_SKIP() << "no other owner or group can be given";
        ASSERT_EQ(::chown(target.c_str(), static_cast<uid_t>(-1), *other), 0);
        group = *other;
    }
    for (TemporaryKind kind : kKinds) {
        ::chmod(target.c_str(), 0664);
        EXPECT_TRUE(Replace(target, "new", kind));
        struct stat status {};
        ASSERT_EQ(::stat(target.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, owner);
        EXPECT_EQ(status.st_gid, group);
        EXPECT_EQ(status.st_mode & 07777, 0664u);
    }
}

// `check` run as an ordinary user: in a child without privileges when the tests run as root.
bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A file the user may not write is not replaced, though its folder would let a rename through: writing into
// it directly would be refused too.
TEST_F(FileReplaceTest, AFileTheUserMayNotWriteIsNotReplaced) {
    ASSERT_EQ(::chmod(folder.path.c_str(), 0777), 0);
    const std::string target = folder.path + "out.jpg";
    for (mode_t mode : {0444, 0644}) {
        Write(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        const bool owned = ::geteuid() != 0;  // an ordinary user's own 0644 file is writable
        for (TemporaryKind kind : kKinds) {
            SCOPED_TRACE(std::to_string(mode) + " " + std::to_string(static_cast<int>(kind)));
            if (owned && mode == 0644) continue;
            EXPECT_TRUE(AsOrdinaryUser([&] { return !Replace(target, "new", kind); }));
            EXPECT_EQ(ReadFileText(target), "old");
            EXPECT_EQ(ModeOf(target), mode);
            EXPECT_EQ(Names(folder.path), std::vector<std::string>{"out.jpg"});
        }
        ::chmod(target.c_str(), 0644);
    }
}

// A process killed while it writes leaves the earlier file alone and no partial file beside it.
struct KillCase {
    TemporaryKind kind;
    int signal;
    std::size_t filesMidWay;  // an unnamed temporary is not seen in the folder at all
};

class KilledDuringASave : public FileReplaceTest, public ::testing::WithParamInterface<KillCase> {};

TEST_P(KilledDuringASave, LeavesOnlyTheEarlierFile) {
    const KillCase& c = GetParam();
    const std::string target = folder.path + "out.jpg";
    Write(target, "old");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(30);  // never outlive a test that went wrong
        ::close(ready[0]);
        WriteFileReplacingWith(
            target,
            [&](BufferedFileWriter& out) {
                const std::string bytes(300000, 'x');
                out.Put(bytes.data(), bytes.size());
                [[maybe_unused]] const auto told = ::write(ready[1], "w", 1);
                for (;;) ::pause();
                return true;
            },
            c.kind);
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(Names(folder.path).size(), c.filesMidWay);
    ::kill(child, c.signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), c.signal);  // ended as the signal's default action ends it
    EXPECT_EQ(Names(folder.path), std::vector<std::string>{"out.jpg"});
    EXPECT_EQ(ReadFileText(target), "old");
}

INSTANTIATE_TEST_SUITE_P(Signals, KilledDuringASave,
                         ::testing::Values(KillCase{TemporaryKind::Named, SIGINT, 2},
                                           KillCase{TemporaryKind::Named, SIGTERM, 2},
                                           KillCase{TemporaryKind::Named, SIGHUP, 2},
                                           KillCase{TemporaryKind::Unnamed, SIGTERM, 1},
                                           KillCase{TemporaryKind::Unnamed, SIGKILL, 1}),
                         [](const ::testing::TestParamInfo<KillCase>& info) {
                             return std::string(info.param.kind == TemporaryKind::Named ? "Named" : "Unnamed") +
                                    sigabbrev_np(info.param.signal);
                         });

}  // namespace

}  // namespace ravelin

namespace ravelin {

namespace {

// A failed replacement says why: the errno of the step that failed, kept through the clean-up.
TEST(FileReplaceError, TellsWhyTheReplacementFailed) {
    TempDir folder;
    std::filesystem::create_directory(folder.path + "sub");
    const std::string bytes(200000, 'x');
    const auto errorOf = [&](const std::string& path) {
        int error = -1;
        const bool ok = WriteFileReplacingWith(
            path, [&](BufferedFileWriter& out) { return out.Put(bytes.data(), bytes.size()); },
            TemporaryKind::Unnamed, &error);
        return ok ? 0 : error;
    };
    EXPECT_EQ(errorOf(folder.path + "missing/a"), ENOENT);
    EXPECT_EQ(errorOf(folder.path + "sub"), EISDIR);
    EXPECT_EQ(errorOf(folder.path + "fine"), 0);

    // A file-size limit fails the writes as a full disk does; the limit is set in a child of its own.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{65536, 65536};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(errorOf(folder.path + "large") == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path + "large"));
}

}  // namespace

}  // namespace ravelin
