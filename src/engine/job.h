#pragma once
// The state of a conversion run: its input files, the current file, the output encoding and the
// naming counters; and what the worker publishes to the front end that started it.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace ravelin {

struct InputEntry {
    std::string subfolder;  // relative to the job's base folder, ending in '/', or empty
};
using InputList = std::map<std::string, InputEntry>;

struct ConversionJob {
    InputList inputs;
    std::string currentInput;
    std::string baseFolder;
    std::string currentSubfolder;
    std::string currentOutput;
    std::string outputFolder;  // ends in '/' before a run
    std::int32_t randomNumber = 1;
    std::int32_t sequenceNumber = 1;
    std::string inputFormat;
    std::int32_t sourceDepth = 0;
    std::int32_t outputFormatId = 0;
    std::string outputExtension;
    std::int32_t outputDepth = 0;
    std::int32_t saveFlags = 0;
    bool autoDepth = false;
    std::string runMode;  // "", "DEBUG" or "T"
    bool consoleRun = false;
    std::int32_t imageWidth = 0, imageHeight = 0;
    std::int32_t frameNumber = 1;
    std::string programFolder;  // ends in '/'
    std::vector<std::string> acceptedInputExtensions;
    // Why the last ConvertFile failed, as "<file>: <reason>" (the input for reading and processing, the output
    // for saving); empty after a success. The console prints it on standard error.
    std::string lastFailure;
};

struct ProgressRecord {
    std::int32_t progressIndex = 0;
    std::string progressPath;
    std::int64_t lastFileMillis = 0;
    std::int32_t convertedCount = 0;
    bool running = false;   // cleared by a stop request
    bool finished = false;  // the worker has ended
};

}  // namespace ravelin
