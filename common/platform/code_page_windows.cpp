#include "platform/code_page.h"

#include <windows.h>

namespace platform {

namespace {

constexpr UINT kCp932 = 932;

std::optional<std::wstring> ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

// CP_UTF8 takes neither a default character nor best-fit flags.
std::optional<std::string> FromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* substituted = utf8 ? nullptr : &usedDefault;
    const int length = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, substituted);
    if (length == 0 || usedDefault) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::optional<std::string> Convert(UINT to, UINT from, std::string_view input) {
    const std::optional<std::wstring> wide = ToWide(from, input);
    if (!wide) return std::nullopt;
    return FromWide(to, *wide);
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Convert(kCp932, CP_UTF8, utf8);
}

std::optional<std::string> Cp932ToUtf8(std::string_view sjis) {
    return Convert(CP_UTF8, kCp932, sjis);
}

}  // namespace platform
