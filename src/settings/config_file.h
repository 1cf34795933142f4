#pragma once
// config.ini: the window's settings between runs. The writer produces one exact layout (UTF-8 with a
// byte-order mark, CR LF, a "; " line closing every section); the reader forgives hand edits, older
// layouts and damage: whatever it is given, it leaves a record the window can open with.

#include "settings/settings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ravelin {

// The layout version the writer produces; older ones are migrated on reading.
inline constexpr int kConfigLayoutVersion = 19;

// A larger file is not a settings file of ours: it is not read at all (the window defaults apply), so a
// runaway file costs neither memory nor start-up time.
inline constexpr std::size_t kMaxConfigFileBytes = 4 * 1024 * 1024;

// The exact bytes of the file for `settings`.
std::string ConfigFileText(const Settings& settings);

// Fills every field from the bytes of a configuration file: a missing key takes its window default (X and
// Y 100, CFG 0, the dates `now`), then older layouts are migrated and values the window cannot use are
// brought into range.
void ReadConfigText(std::string_view bytes, Settings& settings, Date now);

// Reads the file at `path`. When it cannot be read (missing, unreadable, not a regular file, larger than
// kMaxConfigFileBytes) the window defaults apply, centred on the desktop (0 = size unknown), and the
// result is false.
bool LoadConfigFile(const std::string& path, Settings& settings, Date now, int desktopWidth, int desktopHeight);

// Replaces the file with ConfigFileText(settings) in one step; false, with the old file untouched, when
// that fails.
bool SaveConfigFile(const std::string& path, const Settings& settings);

}  // namespace ravelin
