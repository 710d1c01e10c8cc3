#include "platform/settings_folder.h"

#include <shlobj.h>
#include <windows.h>

#include "paths.h"
#include "platform/wide_text.h"

namespace platform {

// The folder's rights decide, not its read-only attribute (which Windows ignores for folders):
// a file is made there and removed at once.
bool IsWritableFolder(const std::string& folder) {
    const std::wstring probe = ToWide(paths::Join(folder, "Folivex.probe." + std::to_string(::GetCurrentProcessId())));
    HANDLE handle = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(handle);
    return true;
}

std::string UserSettingsFolder() {
    wchar_t* appData = nullptr;
    std::string folder;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &appData) == S_OK)
        folder = paths::Join(ToUtf8(appData), "Folivex");
    ::CoTaskMemFree(appData);
    return folder;
}

}  // namespace platform
