#include "engine/job_control.h"

#include "formats/input_catalogue.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>
#include <random>

namespace ravelin {

std::int32_t NewRandomNumber() {
    thread_local std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<std::int32_t>(1, 99999)(generator);
}

void ResetJob(ConversionJob& job) {
    const std::string runMode = job.runMode;
    job = ConversionJob{};
    job.runMode = runMode;  // the run mode belongs to the process, not to one job
    job.programFolder = ProgramFolder();
    job.randomNumber = NewRandomNumber();
    job.sequenceNumber = 1;
    job.acceptedInputExtensions = AcceptedInputExtensions();
}

bool AddInputFile(ConversionJob& job, const std::string& path) {
    if (!IsNonEmptyFile(path)) return false;
    const std::string extension = ToLower(ExtensionOf(path));
    const auto& accepted = job.acceptedInputExtensions;
    if (extension.empty() || std::find(accepted.begin(), accepted.end(), extension) == accepted.end()) return false;

    job.inputs.clear();
    std::string subfolder;
    if (!path.empty() && !job.baseFolder.empty()) {
        const std::string folder(FolderPart(path));
        if (folder.find(job.baseFolder) != std::string::npos) {
            std::size_t from = 0;
            for (auto at = folder.find(job.baseFolder); at != std::string::npos; at = folder.find(job.baseFolder, from)) {
                subfolder.append(folder, from, at - from);
                from = at + job.baseFolder.size();
            }
            subfolder.append(folder, from);
        }
    }
    job.inputs.emplace(path, InputEntry{subfolder});
    return true;
}

}  // namespace ravelin
