#include "setting_text.h"

#include <algorithm>

#include "cp932_wx.h"

namespace {

wxString U(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

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

std::optional<std::string> SettingBytes(const wxString& text, const std::string& stored, const SettingField& field,
                                        wxString& refusal) {
    if (text == cp932::ToWx(stored)) return stored;
    const wxString quoted = U("「") + field.name + U("」");
    if (!field.multiLine && HasControlCharacter(text)) {
        refusal = quoted + U("に改行などの制御文字は使用できません。");
        return std::nullopt;
    }
    std::optional<std::string> bytes = cp932::FromWx(field.multiLine ? WithCrLf(text) : text);
    if (!bytes) {
        refusal = quoted + U("に Shift-JIS で表せない文字が含まれています。");
    } else if (field.maxBytes != 0 && bytes->size() > field.maxBytes) {
        refusal =
            quoted + wxString::Format(U("は %u バイト以内で入力してください。"), static_cast<unsigned>(field.maxBytes));
        bytes.reset();
    }
    return bytes;
}
