#pragma once
// The worker: converts the job's input files one after another on a thread of its own, publishing its
// progress under the progress lock.

#include "engine/job.h"
#include "settings/settings.h"

#include <mutex>
#include <thread>

namespace ravelin {

struct WatermarkFont;

struct BatchRun {
    ConversionJob& job;
    const Settings& settings;
    const WatermarkFont* font = nullptr;
    ProgressRecord progress;
    std::mutex progressLock;
};

// Resets the progress record, sets `running` and starts ConvertBatch on a new thread.
std::thread StartBatch(BatchRun& run);

// The same as StartBatch and a join, without the thread: for a front end that only waits for the end
// (the console), where creating and waking a thread costs more than converting a small picture's rest.
void RunBatch(BatchRun& run);

// The worker's loop (runs on the calling thread).
void ConvertBatch(BatchRun& run);

}  // namespace ravelin
