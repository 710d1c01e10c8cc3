// Loading a plug-in library and finding where a module lives: dlopen on Linux, LoadLibrary on
// Windows. File names are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The file-name suffix of a loadable library on this system: ".so" or ".dll".
extern const char* const kLibrarySuffix;

// The library at `path`, bound at once; nullptr when it cannot be loaded. Shows nothing.
void* OpenLibrary(const std::string& path);

// The exported entry point `name`; nullptr when the library has none by that name.
void* LibrarySymbol(void* library, const char* name);

void CloseLibrary(void* library);

// The file of the program or library that holds `address`; empty when it cannot be told.
std::string ModuleFile(const void* address);

// The running program's own file; empty when it cannot be told.
std::string ProgramFile();

// True when `name` carries a folder of its own rather than being a bare file name.
bool NamesFolder(std::string_view name);

}  // namespace platform
