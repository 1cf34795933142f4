#pragma once
// The per-user folder that holds the window's settings: the user's configuration folder ($XDG_CONFIG_HOME,
// else $HOME/.config), then Orvanta/ravelin/.

#include <string>

namespace ravelin {

// The folder, ending in '/', without touching the disk; "" when the user's configuration folder is unknown.
std::string AppDataFolder();

// Creates each missing level of AppDataFolder() in turn (a failure is silent: loading then finds no file
// and saving fails) and returns the path of config.ini in it; "" when the folder is unknown.
std::string PrepareConfigFilePath();

}  // namespace ravelin
