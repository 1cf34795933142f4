// The instance lock through the real program: a lock in a place that is not the user's own never turns a
// run into a silent no-op, and a running instance still ends every further start silently.

#include "run_program.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace ravelin {

namespace {

const std::string kLockName = "Orvanta PCX to JPG 3.1.lock";

std::string Warning(const std::string& reason) {
    return "ravelin: cannot take the instance lock (" + reason + "); going on without it\n";
}

// Every case runs with its own TMPDIR, so the private folder is never the real one under /tmp.
struct Place {
    TempDir runtime;
    TempDir temporary;
    std::string privateFolder = temporary.path + "ravelin-" + std::to_string(geteuid());
    TempDir elsewhere;
};

struct LockCase {
    const char* name;
    std::function<void(Place&, RunOptions&)> prepare;  // empty runtime folder: XDG_RUNTIME_DIR is unset
    std::function<std::string(const Place&)> warning;  // empty: nothing on stderr
    std::function<std::string(const Place&)> lockAt;   // where the lock file must appear; empty: nowhere
};

void Unset(Place&, RunOptions& options) {
    options.unsetEnvironment.push_back("XDG_RUNTIME_DIR");
}

std::string InPrivateFolder(const Place& place) {
    return place.privateFolder + "/" + kLockName;
}

const LockCase kCases[] = {
    {"UsableRuntimeFolder", [](Place&, RunOptions&) {}, nullptr,
     [](const Place& place) { return place.runtime.path + kLockName; }},
    {"MissingRuntimeFolder",
     [](Place& place, RunOptions& options) {
         options.environment.emplace_back("XDG_RUNTIME_DIR", place.runtime.path + "missing");
     },
     nullptr, InPrivateFolder},
    {"RuntimeFolderIsAFile",
     [](Place& place, RunOptions& options) {
         std::ofstream(place.runtime.path + "file") << "x";
         options.environment.emplace_back("XDG_RUNTIME_DIR", place.runtime.path + "file");
     },
     nullptr, InPrivateFolder},
    {"NoRuntimeFolder", Unset, nullptr, InPrivateFolder},
    {"PrivateFolderIsALink",
     [](Place& place, RunOptions& options) {
         std::filesystem::create_directory_symlink(place.elsewhere.path, place.privateFolder);
         Unset(place, options);
     },
     [](const Place& place) { return place.privateFolder + ": is a symbolic link"; }, nullptr},
    {"PrivateFolderIsAFile",
     [](Place& place, RunOptions& options) {
         std::ofstream(place.privateFolder) << "x";
         Unset(place, options);
     },
     [](const Place& place) { return place.privateFolder + ": Not a directory"; }, nullptr},
};

class InstanceLockRun : public ::testing::TestWithParam<LockCase> {};

TEST_P(InstanceLockRun, RunsAndTakesTheLockOnlyWhereTheUserOwnsIt) {
    const LockCase& c = GetParam();
    Place place;
    RunOptions options{.runtimeDir = place.runtime.path, .environment = {{"TMPDIR", place.temporary.path}}};
    c.prepare(place, options);
    const ProgramRun run = RunRavelin({"-v"}, options);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "3.1\n");
    EXPECT_EQ(run.errors, c.warning ? Warning(c.warning(place)) : "");
    if (c.lockAt) {
        const std::string lock = c.lockAt(place);
        EXPECT_TRUE(std::filesystem::is_regular_file(lock)) << lock;
        struct stat folder {};
        ASSERT_EQ(stat(std::filesystem::path(lock).parent_path().c_str(), &folder), 0);
        EXPECT_EQ(folder.st_mode & 077, 0u);  // nobody else may reach it
    }
    EXPECT_TRUE(std::filesystem::is_empty(place.elsewhere.path));  // a link is never followed
}

INSTANTIATE_TEST_SUITE_P(Places, InstanceLockRun, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

// Another user's folder in the private folder's place (only root can make one here).
TEST(InstanceLockRunAlone, AnotherUsersPrivateFolderIsRefused) {
    Place place;
    ASSERT_EQ(mkdir(place.privateFolder.c_str(), 0777), 0);
    if (chown(place.privateFolder.c_str(), geteuid() + 4242, static_cast<gid_t>(-1)) != 0) {
        GTEST_SKIP() << "only root can give a folder away";
    }
    const ProgramRun run = RunRavelin({"-v"}, {.environment = {{"TMPDIR", place.temporary.path}},
                                               .unsetEnvironment = {"XDG_RUNTIME_DIR"}});
    EXPECT_EQ(run.output, "3.1\n");
    EXPECT_EQ(run.errors, Warning(place.privateFolder + ": owned by another user"));
    EXPECT_TRUE(std::filesystem::is_empty(place.privateFolder));
}

// A running instance in the private folder ends a further start silently, as in the runtime folder.
TEST(InstanceLockRunAlone, SecondInstanceWithoutRuntimeFolderEndsSilently) {
    Place place;
    const RunOptions options{.environment = {{"TMPDIR", place.temporary.path}}, .unsetEnvironment = {"XDG_RUNTIME_DIR"}};
    ASSERT_EQ(RunRavelin({"-v"}, options).output, "3.1\n");  // makes the folder
    const int fd = open(InPrivateFolder(place).c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    const ProgramRun run = RunRavelin({"-v"}, options);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "");
    close(fd);
}

}  // namespace

}  // namespace ravelin
