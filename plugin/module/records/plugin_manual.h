// Where the plug-in's manual, Barvella.txt, is found. Paths are file-system bytes.
#pragma once

#include <string>

// The workspace's own manual when it has one, else the one installed beside the plug-in.
std::string PluginManualPath(const std::string& hostDirectory);

// The directory of the file this code was loaded from: Barvella.so, or a program it is
// linked into. Empty when the loader cannot tell.
std::string ModuleDirectory();
