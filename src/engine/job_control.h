#pragma once
// Resetting the job and adding its input file.

#include "engine/job.h"

namespace ravelin {

// Clears the job for a new run: program folder, counters (a fresh random number, sequence 1), folders,
// formats, inputs, and the list of accepted input extensions.
void ResetJob(ConversionJob& job);

// Makes `path` the job's only input, if it names an existing non-empty file with an accepted extension.
bool AddInputFile(ConversionJob& job, const std::string& path);

// A random integer from 1 to 99999.
std::int32_t NewRandomNumber();

}  // namespace ravelin
