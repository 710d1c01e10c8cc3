// Conversions between UTF-8 and Shift-JIS (code page 932): iconv on Linux, the system's code
// page tables on Windows. None of them ever substitutes a character: a character with no form
// in the target, or input that is not valid in the source, fails the whole conversion.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::optional<std::string> Utf8ToCp932(std::string_view utf8);

std::optional<std::string> Cp932ToUtf8(std::string_view sjis);

}  // namespace platform
