// Shift-JIS (code page 932) text in the core, which never converts stored text.
// Conversions exist for literal texts (converted once) and for the command line; none of
// them ever substitutes '?' for a character that CP932 cannot represent.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

// UTF-8 to CP932; nullopt when some character has no CP932 form or the input is not UTF-8.
std::optional<std::string> FromUtf8(std::string_view utf8);

// CP932 to UTF-8; nullopt when the input is not valid CP932.
std::optional<std::string> ToUtf8(std::string_view sjis);

// A literal text of this program in CP932. Throws std::logic_error when the literal has no
// CP932 form, which is a programming error. Callers keep the result in a static.
std::string Literal(std::string_view utf8);

// True for the first byte of a double-byte character.
bool IsLeadByte(unsigned char byte);

// The longest beginning of `text` of at most `maxBytes` bytes that does not end in the
// middle of a double-byte character.
std::string_view CutBytes(std::string_view text, std::size_t maxBytes);

// Name order and equality used everywhere names are matched: bytes compare by value, except
// that single-byte ASCII letters compare regardless of case. A trail byte of a double-byte
// character is never folded. Returns <0, 0 or >0.
int CompareNames(std::string_view a, std::string_view b);

// The name with its single-byte ASCII letters in lower case: two names match (CompareNames
// gives 0) exactly when their keys are equal, so names can be looked up by hashing.
std::string NameKey(std::string_view name);

// CompareNames as the order of a set or map of names.
struct NameLess {
    bool operator()(std::string_view a, std::string_view b) const { return CompareNames(a, b) < 0; }
};

}  // namespace cp932
