// Profile (INI) files, with the semantics the settings rely on: sections and keys match
// regardless of ASCII case, values are bytes (no conversion), a read through an n-byte buffer
// yields at most n-1 bytes, and a set keeps every other line. The callers read a file once and
// replace it once, atomically, so a crash leaves the old settings or the new ones.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace profile {

// The file's bytes; empty when it does not exist. False when it exists but cannot be read.
bool ReadFile(const std::string& path, std::string& bytes);
// The value of `key` in `section`, without surrounding blanks and without one pair of
// enclosing double or single quotes; `defaultValue` when the section or key is missing.
// Either is cut to `bufferSize - 1` bytes, never inside a double-byte character.
std::string ReadStringFrom(std::string_view bytes, std::string_view section, std::string_view key,
                           std::string_view defaultValue, std::size_t bufferSize);
// Sets `key` in `section` to `value`, adding the section when missing and replacing the key's
// value in place otherwise. New text uses CR LF; existing text keeps its line ends. False, and
// `bytes` unchanged, when section, key or value holds a control character: a line break would
// split the line and shadow later keys.
bool SetString(std::string& bytes, std::string_view section, std::string_view key, std::string_view value);

}  // namespace profile
