// Where per-user settings go when the program folder cannot be written (a system-wide install).
#pragma once

#include <string>

namespace platform {

// True when files can be created in `folder`.
bool IsWritableFolder(const std::string& folder);

// $XDG_CONFIG_HOME/folivex (or ~/.config/folivex) on Linux, %APPDATA%\Folivex on Windows.
std::string UserSettingsFolder();

}  // namespace platform
