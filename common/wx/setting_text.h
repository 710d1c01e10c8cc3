// What the user types or chooses for a setting, as the CP932 bytes the setting keeps. Every
// option sheet takes its fields through here, so they refuse the same things in the same words.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <wx/string.h>

struct SettingField {
    wxString name;             // as the sheet labels the field; refusals name it
    std::size_t maxBytes = 0;  // 0: no limit
    // Multi-line text keeps its lines, ending each in CR LF; a single-line setting becomes a
    // profile value, where a line break or other control character would break the file.
    bool multiLine = false;
};

// Why a field's text cannot be taken: `bytes` is the text as CP932, nullopt when it has no
// CP932 form, and `maxBytes` the field's limit (0: none). nullopt when the bytes fit. Every
// dialog refuses through here, so a refusal names the field and reads the same everywhere.
std::optional<wxString> FieldRefusal(const std::optional<std::string>& bytes, const wxString& fieldName,
                                     std::size_t maxBytes);

// The bytes for `text`, or nullopt with `refusal` set to a message naming the field. Text
// that still reads as `stored` keeps those bytes: bytes with more than one Unicode reading
// are never rewritten by merely showing them, and a value longer than the limit that came
// from the file is not refused for being there.
std::optional<std::string> SettingBytes(const wxString& text, const std::string& stored, const SettingField& field,
                                        wxString& refusal);
