#include "path_wx.h"

#include <wx/strconv.h>

#include "paths.h"

namespace paths {

wxString ToWx(const std::string& fileSystemPath) {
    return wxString(fileSystemPath.c_str(), *wxConvFileName);
}

std::optional<wxString> SettingsToWx(const std::string& cp932Path) {
    const std::optional<std::string> path = FromSettings(cp932Path);
    if (!path) return std::nullopt;
    return ToWx(*path);
}

}  // namespace paths
