// Paths at the GUI edge: wx takes file names as wxString, the system as bytes.
#pragma once

#include <optional>
#include <string>

#include <wx/string.h>

namespace paths {

// File-system bytes as wx takes a file name.
wxString ToWx(const std::string& fileSystemPath);

// A path kept in a settings file (CP932) as wx takes a file name; nullopt when the bytes are
// not CP932.
std::optional<wxString> SettingsToWx(const std::string& cp932Path);

}  // namespace paths
