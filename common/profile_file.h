// Windows-style profile (INI) files, with the semantics the settings rely on:
// sections and keys match regardless of ASCII case, values are bytes (no conversion),
// a read through an n-byte buffer yields at most n-1 bytes, and a write replaces the
// file atomically while keeping every other line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace profile {

// The value of `key` in `section`, without surrounding blanks and without one pair of
// enclosing double or single quotes; `defaultValue` when the file, section or key is
// missing. Either is cut to `bufferSize - 1` bytes, never inside a double-byte character.
std::string ReadString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view defaultValue, std::size_t bufferSize);

// Sets `key` in `section` to `value`, creating the file and the section when missing and
// replacing the key's value in place otherwise. New files use CR LF; an existing file keeps
// its line ends. Returns false when the file cannot be written or the text holds a control
// character (the file is then unchanged).
bool WriteString(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

// The same two operations on the bytes of a whole file, for callers that read or write many
// keys at once: the file is then read once and replaced once.

// The file's bytes; empty when it does not exist. False when it exists but cannot be read.
bool ReadFile(const std::string& path, std::string& bytes);
std::string ReadStringFrom(std::string_view bytes, std::string_view section, std::string_view key,
                           std::string_view defaultValue, std::size_t bufferSize);
// False, and `bytes` unchanged, when section, key or value holds a control character: a
// line break would split the line and shadow later keys.
bool SetString(std::string& bytes, std::string_view section, std::string_view key, std::string_view value);

}  // namespace profile
