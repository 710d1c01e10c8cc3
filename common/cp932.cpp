#include "cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace cp932 {

namespace {

// iconv without transliteration: an unmappable character fails the whole conversion.
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

unsigned char FoldAscii(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> ToUtf8(std::string_view sjis) {
    return Convert("UTF-8", "CP932", sjis);
}

std::string Literal(std::string_view utf8) {
    auto converted = FromUtf8(utf8);
    if (!converted) throw std::logic_error("literal text has no CP932 form: " + std::string(utf8));
    return *converted;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string_view CutBytes(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + (IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

int CompareNames(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    bool trail = false;
    for (std::size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        // Up to here both names are equal, so both are in the same lead/trail state.
        if (trail) {
            trail = false;
        } else if (IsLeadByte(x)) {
            trail = true;
        } else {
            x = FoldAscii(x);
            y = FoldAscii(y);
        }
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string NameKey(std::string_view name) {
    std::string key(name);
    bool trail = false;
    for (char& c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if (trail) {
            trail = false;
        } else if (IsLeadByte(byte)) {
            trail = true;
        } else {
            c = static_cast<char>(FoldAscii(byte));
        }
    }
    return key;
}

}  // namespace cp932
