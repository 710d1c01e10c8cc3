// Where the host keeps Folivex.ini: beside the program, or, when the program directory cannot
// be written (a system-wide install), in the user's configuration folder, so that every user
// of such an install still keeps settings of their own.
#pragma once

#include <string>

// True when files can be created in `directory`.
bool IsWritableDirectory(const std::string& directory);

// $XDG_CONFIG_HOME/folivex, or ~/.config/folivex when that variable is unset or not an
// absolute path.
std::string UserSettingsDirectory();
