#include "platform/instance_lock.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

namespace ravelin {

namespace {

// The environment of this test process, pointed at folders of its own and put back afterwards.
class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
        setenv("TMPDIR", temporary.path.c_str(), 1);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
    }
    TempDir runtime;
    TempDir temporary;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(InstanceLockTest, OneHolderAtATimeAndTheFolderBesideItIsKnown) {
    const InstanceLock first("Title");
    EXPECT_EQ(first.state(), InstanceLock::State::Held);
    EXPECT_EQ(first.folder(), runtime.path);
    const InstanceLock second("Title");
    EXPECT_TRUE(second.anotherInstanceRuns());
    EXPECT_TRUE(second.failure().empty());
}

TEST_F(InstanceLockTest, WithoutARuntimeFolderAPrivateOneIsMadeAndReused) {
    unsetenv("XDG_RUNTIME_DIR");
    const std::string expected = temporary.path + "ravelin-" + std::to_string(geteuid()) + "/";
    {
        const InstanceLock lock("Title");
        EXPECT_EQ(lock.state(), InstanceLock::State::Held);
        EXPECT_EQ(lock.folder(), expected);
        struct stat status {};
        ASSERT_EQ(lstat(expected.c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
        EXPECT_EQ(status.st_mode & 07777, 0700u);
    }
    const InstanceLock again("Title");  // the lock went with its holder
    EXPECT_EQ(again.state(), InstanceLock::State::Held);
}

TEST_F(InstanceLockTest, ALockFileThatCannotBeOpenedLeavesTheLockUnavailable) {
    ASSERT_EQ(mkdir((runtime.path + "Title.lock").c_str(), 0700), 0);  // a folder in the lock file's place
    const InstanceLock lock("Title");
    EXPECT_EQ(lock.state(), InstanceLock::State::Unavailable);
    EXPECT_FALSE(lock.anotherInstanceRuns());
    EXPECT_EQ(lock.failure(), runtime.path + "Title.lock: Is a directory");
}

}  // namespace

}  // namespace ravelin
