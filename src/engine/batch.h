#pragma once
// The worker: converts the job's input files one after another, on a thread of its own or on the caller's,
// and publishes its progress under the progress lock. Front ends see the progress only as snapshots and
// steer the run only through a stop request and the gate; they never take the lock themselves.

#include "engine/job.h"
#include "settings/settings.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace ravelin {

struct WatermarkFont;

// What the worker tells its front end, called on the worker's thread.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    virtual void FileStarted(const std::string& path) {}
    virtual void FileFailed(const std::string& path) {}
    virtual void FileSaved(const std::string& path, const std::string& output) {}
};

class Batch {
public:
    // The job, the settings and the font must outlive the batch and stay unchanged while it runs.
    Batch(ConversionJob& job, const Settings& settings, const WatermarkFont* font, BatchObserver* observer = nullptr);
    // Lets the file in hand finish, starts no other and joins the worker.
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // Runs the batch on a thread of its own (the window).
    void Start();
    // Runs it on the calling thread, for a front end that only waits (the console): creating and waking a
    // thread would cost more than converting a small picture's rest.
    void RunHere();
    // Waits for a started worker to end.
    void Join();

    // A copy of the progress record, taken under the lock: never torn.
    ProgressRecord Snapshot() const;
    // The worker finishes the file in hand and starts no further one.
    void RequestStop();
    // While the gate is held (a stop question is open), the worker waits before it takes the next file.
    void HoldGate();
    void ReleaseGate();

private:
    void Begin();
    void ConvertAll();
    // Waits at the gate, then tells whether the next file may start.
    bool MayStartNextFile();

    ConversionJob& job_;
    const Settings& settings_;
    const WatermarkFont* font_;
    BatchObserver* observer_;
    mutable std::mutex progressLock_;
    std::condition_variable gateOpened_;
    bool gateHeld_ = false;
    ProgressRecord progress_;
    std::thread worker_;
};

}  // namespace ravelin
