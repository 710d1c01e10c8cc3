#include "cp932.h"

#include <algorithm>
#include <stdexcept>

#include "platform/code_page.h"

namespace cp932 {

namespace {

unsigned char FoldAscii(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// ASCII is the same in both, and most texts (codes, quantities, addresses) are nothing else.
bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return platform::Utf8ToCp932(utf8);
}

std::optional<std::string> ToUtf8(std::string_view sjis) {
    if (IsAscii(sjis)) return std::string(sjis);
    return platform::Cp932ToUtf8(sjis);
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
