// UTF-8 inside the program, UTF-16 at every Windows call.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Invalid UTF-8 becomes U+FFFD, which names no existing file.
std::wstring ToWide(std::string_view utf8);

std::string ToUtf8(std::wstring_view wide);

// The text of a Windows error code.
std::string ErrorText(unsigned long code);

}  // namespace platform
