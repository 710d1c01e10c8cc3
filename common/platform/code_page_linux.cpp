#include "platform/code_page.h"

#include <iconv.h>

namespace platform {

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string output(input.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    const bool flushed = result != static_cast<std::size_t>(-1) &&
                         ::iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    ::iconv_close(cd);
    // glibc counts irreversible conversions in the result; any of them would change the text.
    if (!flushed || result != 0 || inLeft != 0) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> Cp932ToUtf8(std::string_view sjis) {
    return Convert("UTF-8", "CP932", sjis);
}

}  // namespace platform
