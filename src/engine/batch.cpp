#include "engine/batch.h"

#include "engine/job_control.h"
#include "engine/pipeline.h"
#include "formats/signatures.h"
#include "platform/console.h"
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

void BeginProgress(BatchRun& run) {
    std::lock_guard guard(run.progressLock);
    run.progress = ProgressRecord{};
    run.progress.running = true;
}

}  // namespace

std::thread StartBatch(BatchRun& run) {
    BeginProgress(run);
    return std::thread([&run] { ConvertBatch(run); });
}

void RunBatch(BatchRun& run) {
    BeginProgress(run);
    ConvertBatch(run);
}

void ConvertBatch(BatchRun& run) {
    ConversionJob& job = run.job;
    const bool debug = job.consoleRun && job.runMode == "DEBUG";
    std::int32_t begun = 0;
    std::int32_t converted = 0;
    std::int64_t lastMillis = 0;

    for (const auto& [path, entry] : job.inputs) {
        {
            std::lock_guard guard(run.progressLock);
            if (!run.progress.running) break;
            run.progress.progressIndex = ++begun;
            run.progress.progressPath = path;
            run.progress.lastFileMillis = lastMillis;
        }
        job.currentInput = path;
        job.currentSubfolder = entry.subfolder;
        if (debug) {
            PrintLine("Processing: " + path);
            PrintLine("File Format: " + DetectFileType(path));
        }
        const auto started = std::chrono::steady_clock::now();
        if (!ConvertFile(job, run.settings, run.font)) {
            if (debug) PrintLine("[ERROR] Unable to convert the file!");
            lastMillis = 0;
            continue;
        }
        if (debug) PrintLine("[OK] Saving As: " + job.currentOutput);
        ++converted;
        const auto elapsed = std::chrono::steady_clock::now() - started;
        lastMillis = std::max<std::int64_t>(1000, std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        job.randomNumber = NewRandomNumber();
        ++job.sequenceNumber;
        ApplyFileTimestamp(job, run.settings);
    }
    std::lock_guard guard(run.progressLock);
    run.progress.convertedCount = converted;
}

}  // namespace ravelin
