#include "setting_text.h"

#include <algorithm>

#include "cp932_wx.h"
#include "utf8_text.h"

namespace {

bool HasControlCharacter(const wxString& text) {
    return std::any_of(text.begin(), text.end(), [](wxUniChar c) { return c < 0x20 || c == 0x7F; });
}

// The text control ends lines as the toolkit does; the stored text always uses CR LF.
wxString WithCrLf(wxString text) {
    text.Replace("\r\n", "\n");
    text.Replace("\n", "\r\n");
    return text;
}

}  // namespace

std::optional<wxString> FieldRefusal(const std::optional<std::string>& bytes, const wxString& fieldName,
                                     std::size_t maxBytes) {
    if (!bytes) return U("「") + fieldName + U("」に Shift-JIS で表せない文字が含まれています。");
    if (maxBytes != 0 && bytes->size() > maxBytes)
        return U("「") + fieldName + wxString::Format(U("」は %zu バイト以内で入力してください。"), maxBytes);
    return std::nullopt;
}

std::optional<std::string> SettingBytes(const wxString& text, const std::string& stored, const SettingField& field,
                                        wxString& refusal) {
    if (text == cp932::ToWx(stored)) return stored;
    if (!field.multiLine && HasControlCharacter(text)) {
        refusal = U("「") + field.name + U("」に改行などの制御文字は使用できません。");
        return std::nullopt;
    }
    std::optional<std::string> bytes = cp932::FromWx(field.multiLine ? WithCrLf(text) : text);
    if (const std::optional<wxString> refused = FieldRefusal(bytes, field.name, field.maxBytes)) {
        refusal = *refused;
        return std::nullopt;
    }
    return bytes;
}
