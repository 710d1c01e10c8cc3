#include "cp932_wx.h"

#include <wx/strconv.h>

namespace cp932 {

namespace {

const wxCSConv& Conv() {
    static const wxCSConv conv("CP932");
    return conv;
}

}  // namespace

wxString ToWx(const std::string& sjis) {
    return wxString(sjis.data(), Conv(), sjis.size());
}

std::optional<std::string> FromWx(const wxString& text) {
    if (text.empty()) return std::string();
    const wxCharBuffer buffer = text.mb_str(Conv());
    // An empty buffer for a non-empty text means some character has no CP932 form.
    if (buffer.length() == 0) return std::nullopt;
    return std::string(buffer.data(), buffer.length());
}

std::optional<std::string> FromWx(const wxString& text, const std::string& current,
                                  std::span<const std::string> offered) {
    if (text == ToWx(current)) return current;
    for (const std::string& candidate : offered) {
        if (text == ToWx(candidate)) return candidate;
    }
    return FromWx(text);
}

}  // namespace cp932
