#include "engine/batch.h"

#include "engine/job_control.h"
#include "engine/pipeline.h"
#include "platform/file_time.h"

#include <chrono>

namespace ravelin {

namespace {

void ApplyFileTimestamp(const ConversionJob& job, const Settings& settings) {
    if (settings.fileTimestamp == TimestampMode::Original) {
        if (const auto time = ModificationTime(job.currentInput)) SetModificationTime(job.currentOutput, *time);
    } else if (settings.fileTimestamp == TimestampMode::Custom) {
        SetModificationTime(job.currentOutput, settings.customTimestamp);
    }
}

}  // namespace

Batch::Batch(ConversionJob& job, const Settings& settings, const WatermarkFont* font, BatchObserver* observer)
    : job_(job), settings_(settings), font_(font), observer_(observer) {}

Batch::~Batch() {
    RequestStop();
    ReleaseGate();
    Join();
}

void Batch::Begin() {
    std::lock_guard guard(progressLock_);
    progress_ = ProgressRecord{};
    progress_.running = true;
}

void Batch::Start() {
    if (worker_.joinable()) return;
    Begin();
    worker_ = std::thread([this] { ConvertAll(); });
}

void Batch::RunHere() {
    Begin();
    ConvertAll();
}

void Batch::Join() {
    if (worker_.joinable()) worker_.join();
}

ProgressRecord Batch::Snapshot() const {
    std::lock_guard guard(progressLock_);
    return progress_;
}

void Batch::RequestStop() {
    std::lock_guard guard(progressLock_);
    progress_.running = false;
}

void Batch::HoldGate() {
    std::lock_guard guard(progressLock_);
    gateHeld_ = true;
}

void Batch::ReleaseGate() {
    {
        std::lock_guard guard(progressLock_);
        gateHeld_ = false;
    }
    gateOpened_.notify_all();
}

bool Batch::MayStartNextFile() {
    std::unique_lock lock(progressLock_);
    gateOpened_.wait(lock, [this] { return !gateHeld_; });
    return progress_.running;
}

void Batch::ConvertAll() {
    std::int32_t begun = 0;
    std::int32_t converted = 0;
    std::int64_t lastMillis = 0;

    for (const auto& [path, entry] : job_.inputs) {
        if (!MayStartNextFile()) break;
        {
            std::lock_guard guard(progressLock_);
            progress_.progressIndex = ++begun;
            progress_.progressPath = path;
            progress_.lastFileMillis = lastMillis;
        }
        job_.currentInput = path;
        job_.currentSubfolder = entry.subfolder;
        if (observer_) observer_->FileStarted(path);
        const auto started = std::chrono::steady_clock::now();
        if (!ConvertFile(job_, settings_, font_)) {
            if (observer_) observer_->FileFailed(path);
            lastMillis = 0;
            continue;
        }
        // Measured before the observer hears of it: a slow front end does not lengthen the estimate.
        const auto elapsed = std::chrono::steady_clock::now() - started;
        lastMillis = std::max<std::int64_t>(1000, std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        if (observer_) observer_->FileSaved(path, job_.currentOutput);
        ++converted;
        job_.randomNumber = NewRandomNumber();
        ++job_.sequenceNumber;
        ApplyFileTimestamp(job_, settings_);
    }
    std::lock_guard guard(progressLock_);
    progress_.convertedCount = converted;
    progress_.finished = true;
}

}  // namespace ravelin
