#include "engine/batch.h"
#include "engine/encoding.h"
#include "engine/job_control.h"
#include "pcx_writer.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ravelin {

namespace {

// A job over `count` small PCX files in a folder of its own.
struct BatchFixture {
    TempDir folder;
    Settings settings;
    ConversionJob job;

    explicit BatchFixture(int count) {
        ApplyDefaults(settings, DefaultsProfile::Console, 0);
        ResetJob(job);
        job.outputExtension = "jpg";
        job.outputFolder = folder.path;
        PrepareOutputEncoding(job, settings);
        for (int i = 0; i < count; ++i) {
            const std::string path = folder.path + "file" + std::to_string(i) + ".pcx";
            EXPECT_TRUE(WritePcx(path, TestPattern24(8, 6)));
            job.inputs.emplace(path, InputEntry{});  // the engine takes many files, the product adds one
        }
    }
    int Outputs() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path)) count += entry.path().extension() == ".jpg";
        return count;
    }
};

// An observer that can hold the worker inside a file until the test lets it go.
class Steps final : public BatchObserver {
public:
    void FileStarted(const std::string& path) override {
        std::unique_lock lock(mutex_);
        started_.push_back(path);
        threads_.push_back(std::this_thread::get_id());
        changed_.notify_all();
        changed_.wait(lock, [&] { return !holdInFile_ || started_.size() <= released_; });
    }
    void FileSaved(const std::string&, const std::string& output) override {
        std::lock_guard lock(mutex_);
        saved_.push_back(output);
    }
    void HoldInEachFile() { holdInFile_ = true; }
    void WaitForStarts(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return started_.size() >= count; });
    }
    void ReleaseOne() {
        std::lock_guard lock(mutex_);
        ++released_;
        changed_.notify_all();
    }
    void ReleaseAll() {
        std::lock_guard lock(mutex_);
        released_ = 1000000;
        changed_.notify_all();
    }
    std::vector<std::string> started() {
        std::lock_guard lock(mutex_);
        return started_;
    }
    std::vector<std::thread::id> threads() {
        std::lock_guard lock(mutex_);
        return threads_;
    }
    std::size_t saved() {
        std::lock_guard lock(mutex_);
        return saved_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool holdInFile_ = false;
    std::size_t released_ = 0;
    std::vector<std::string> started_, saved_;
    std::vector<std::thread::id> threads_;
};

// Both ways of running a batch convert the same files and report the same progress.
TEST(Batch, OnItsOwnThreadOrTheCallersItConvertsAndCountsAlike) {
    for (const bool ownThread : {true, false}) {
        SCOPED_TRACE(ownThread ? "own thread" : "calling thread");
        BatchFixture fixture(1);
        ASSERT_TRUE(WriteBytes(fixture.folder.path + "bad.pcx", {10, 5, 1, 8}));
        fixture.job.inputs.emplace(fixture.folder.path + "bad.pcx", InputEntry{});
        Steps steps;
        Batch batch(fixture.job, fixture.settings, nullptr, &steps);
        if (ownThread) {
            batch.Start();
            batch.Join();
        } else {
            batch.RunHere();
        }
        const ProgressRecord progress = batch.Snapshot();
        EXPECT_EQ(progress.convertedCount, 1);
        EXPECT_EQ(progress.progressIndex, 2);
        EXPECT_TRUE(progress.running);
        EXPECT_TRUE(progress.finished);
        EXPECT_EQ(steps.saved(), 1u);
        EXPECT_EQ(fixture.Outputs(), 1);
        for (const std::thread::id id : steps.threads()) EXPECT_EQ(id == std::this_thread::get_id(), !ownThread);
    }
}

TEST(Batch, AStopLetsTheFileInHandFinishAndStartsNoOther) {
    BatchFixture fixture(4);
    Steps steps;
    steps.HoldInEachFile();
    Batch batch(fixture.job, fixture.settings, nullptr, &steps);
    batch.Start();
    steps.WaitForStarts(1);
    steps.ReleaseOne();
    steps.WaitForStarts(2);  // the worker is inside the second file
    batch.RequestStop();
    steps.ReleaseAll();
    batch.Join();
    const ProgressRecord progress = batch.Snapshot();
    EXPECT_EQ(steps.started().size(), 2u);
    EXPECT_EQ(progress.convertedCount, 2);
    EXPECT_EQ(progress.progressIndex, 2);
    EXPECT_FALSE(progress.running);
    EXPECT_TRUE(progress.finished);
    EXPECT_EQ(fixture.Outputs(), 2);
}

TEST(Batch, TheHeldGateKeepsTheNextFileFromStarting) {
    for (const bool stopWhileHeld : {false, true}) {
        SCOPED_TRACE(stopWhileHeld ? "stop answered" : "go on answered");
        BatchFixture fixture(3);
        Steps steps;
        steps.HoldInEachFile();
        Batch batch(fixture.job, fixture.settings, nullptr, &steps);
        batch.Start();
        steps.WaitForStarts(1);
        batch.HoldGate();   // the question opens while file 1 is in hand
        steps.ReleaseOne();  // file 1 ends; the worker now waits at the gate
        // Whatever the worker does meanwhile, it cannot pass the gate: no second start while it is held.
        for (int i = 0; i < 50 && batch.Snapshot().convertedCount == 0 && steps.saved() == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_EQ(steps.started().size(), 1u);
        if (stopWhileHeld) batch.RequestStop();
        batch.ReleaseGate();
        steps.ReleaseAll();
        batch.Join();
        EXPECT_EQ(steps.started().size(), stopWhileHeld ? 1u : 3u);
        EXPECT_EQ(batch.Snapshot().convertedCount, stopWhileHeld ? 1 : 3);
    }
}

TEST(Batch, SnapshotsAreNeverTorn) {
    BatchFixture fixture(6);
    std::vector<std::string> paths;
    for (const auto& [path, entry] : fixture.job.inputs) paths.push_back(path);
    Batch batch(fixture.job, fixture.settings, nullptr);
    std::atomic<bool> done = false;
    std::thread reader([&] {
        int lastIndex = 0;
        while (!done) {
            const ProgressRecord progress = batch.Snapshot();
            ASSERT_GE(progress.progressIndex, lastIndex);
            lastIndex = progress.progressIndex;
            if (progress.progressIndex > 0) {
                ASSERT_EQ(progress.progressPath, paths[progress.progressIndex - 1]);
            }
        }
    });
    batch.Start();
    batch.Join();
    done = true;
    reader.join();
    EXPECT_EQ(batch.Snapshot().convertedCount, 6);
}

TEST(Batch, DestroyingARunningBatchFinishesTheFileInHandAndJoins) {
    BatchFixture fixture(3);
    Steps steps;
    steps.HoldInEachFile();
    std::thread release;
    {
        Batch batch(fixture.job, fixture.settings, nullptr, &steps);
        batch.Start();
        steps.WaitForStarts(1);
        // The destructor must wait for the file in hand, which goes on once this thread lets it.
        release = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            steps.ReleaseAll();
        });
    }
    release.join();
    EXPECT_EQ(steps.started().size(), 1u);
    EXPECT_EQ(fixture.Outputs(), 1);
}

}  // namespace

}  // namespace ravelin
