// Handing work to the desktop: opening a file or folder with the program the system associates
// with it, and starting a program detached. File names are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace platform {

// False when the file could not be handed to a program (a missing file included).
bool OpenWithDefaultProgram(const std::string& path);

// argv[0] is the program; never through a shell, never waited for, in a process group of its
// own. False when it could not be started.
bool StartProgram(const std::vector<std::string>& argv);

}  // namespace platform
