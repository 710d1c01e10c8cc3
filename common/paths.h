// Path helpers. Joining stays plain concatenation on purpose: a directory that already
// ends in '/' gives a doubled separator and an empty one gives a path starting with '/'.
#pragma once

#include <filesystem>
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

// A UTF-8 path as the standard library takes it, and back: on Windows a narrow std::string
// would be read in the ANSI code page.
std::filesystem::path Native(std::string_view utf8Path);
std::string FromNative(const std::filesystem::path& path);

// Directory of the running executable, without a trailing separator.
std::string ProgramDirectory();

// The process working directory, or an empty text when it cannot be read.
std::string CurrentDirectory();

}  // namespace paths
