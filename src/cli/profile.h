#pragma once
// Profile files: the group "CLI" of an INI-style file, keyed by the long option names.

#include "settings/settings.h"

#include <string>

namespace ravelin {

// Applies the profile's options to `settings`; false when the file is empty-named, missing or unreadable.
bool ApplyProfile(const std::string& path, Settings& settings);

}  // namespace ravelin
