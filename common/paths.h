// Path helpers. Joining stays plain concatenation on purpose: a directory that already
// ends in '/' gives a doubled separator and an empty one gives a path starting with '/'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace paths {

// directory + "/" + name, nothing dropped or added.
std::string Join(std::string_view directory, std::string_view name);

// Whether `name` names a file directly inside a directory: no '/' or '\\' (a separator on
// one system or the other) and not "." or "..".
bool IsFileName(std::string_view name);

// A path kept in a settings file (CP932) in the form the file system takes (UTF-8);
// nullopt when the bytes are not CP932.
std::optional<std::string> FromSettings(std::string_view cp932Path);

// Directory of the running executable, without a trailing '/'.
std::string ProgramDirectory();

// The process working directory, or an empty text when it cannot be read.
std::string CurrentDirectory();

}  // namespace paths
