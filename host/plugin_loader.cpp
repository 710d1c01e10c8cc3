#include "plugin_loader.h"

#include <algorithm>
#include <optional>

#include <wx/filename.h>

#include "path_wx.h"
#include "paths.h"

namespace {

// A name that is not CP932 names no library: it must never become the empty name, which
// would give the host program itself.
wxDllType OpenLibrary(const std::string& name, const std::string& programDirectory) {
    const std::optional<std::string> fileName = paths::FromSettings(name);
    if (!fileName || fileName->empty()) return nullptr;
    const int flags = wxDL_NOW | wxDL_VERBATIM | wxDL_QUIET;
    wxDynamicLibrary library;
    if (fileName->find('/') == std::string::npos) {
        const wxString local = paths::ToWx(paths::Join(programDirectory, *fileName));
        if (wxFileName::FileExists(local)) {
            library.Load(local, flags);
            return library.Detach();
        }
    }
    library.Load(paths::ToWx(*fileName), flags);
    return library.Detach();
}

}  // namespace

bool PluginLoader::Load(const std::string& name, const std::string& programDirectory) {
    m_entries.fill(nullptr);
    m_library = OpenLibrary(name, programDirectory);
    if (m_library == nullptr) return false;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i] = wxDynamicLibrary::RawGetSymbol(m_library, kPluginEntryNames[i]);
    return true;
}

void PluginLoader::Free() {
    if (m_library == nullptr) return;
    wxDynamicLibrary::Unload(m_library);
    m_library = nullptr;
    m_entries.fill(nullptr);
}

bool PluginLoader::IsComplete() const {
    return IsLoaded() && std::all_of(m_entries.begin(), m_entries.end(), [](void* entry) { return entry != nullptr; });
}
