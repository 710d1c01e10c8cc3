// The GUI edge: the only place where CP932 bytes become wxString and back.
#pragma once

#include <optional>
#include <span>
#include <string>

#include <wx/string.h>

namespace cp932 {

wxString ToWx(const std::string& sjis);

// nullopt when the text holds a character that CP932 cannot represent.
std::optional<std::string> FromWx(const wxString& text);

// As FromWx, except that a text showing `current` or one of `offered` gives those bytes:
// some characters have two CP932 codes, and a text the user left as it was or merely picked
// must keep the bytes it is stored with.
std::optional<std::string> FromWx(const wxString& text, const std::string& current,
                                  std::span<const std::string> offered = {});

}  // namespace cp932
