// Path helpers. Joining stays plain concatenation on purpose: a directory that already
// ends in '/' gives a doubled separator and an empty one gives a path starting with '/'.
#pragma once

#include <string>
#include <string_view>

namespace paths {

// directory + "/" + name, nothing dropped or added.
std::string Join(std::string_view directory, std::string_view name);

// Directory of the running executable, without a trailing '/'.
std::string ProgramDirectory();

// The process working directory, or an empty text when it cannot be read.
std::string CurrentDirectory();

}  // namespace paths
