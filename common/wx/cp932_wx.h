// The GUI edge: the only place where CP932 bytes become wxString and back.
#pragma once

#include <optional>
#include <string>

#include <wx/string.h>

namespace cp932 {

wxString ToWx(const std::string& sjis);

// nullopt when the text holds a character that CP932 cannot represent.
std::optional<std::string> FromWx(const wxString& text);

}  // namespace cp932
