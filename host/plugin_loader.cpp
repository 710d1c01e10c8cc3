#include "plugin_loader.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "paths.h"
#include "platform/library.h"

namespace {

// A name that is not CP932 names no library: it must never become the empty name, which
// would give the host program itself.
void* OpenLibrary(const std::string& name, const std::string& programDirectory) {
    const std::optional<std::string> fileName = paths::FromSettings(name);
    if (!fileName || fileName->empty()) return nullptr;
    if (!platform::NamesFolder(*fileName)) {
        const std::string local = paths::Join(programDirectory, *fileName);
        std::error_code error;
        if (std::filesystem::is_regular_file(paths::Native(local), error)) return platform::OpenLibrary(local);
    }
    return platform::OpenLibrary(*fileName);
}

}  // namespace

bool PluginLoader::Load(const std::string& name, const std::string& programDirectory) {
    m_entries.fill(nullptr);
    m_library = OpenLibrary(name, programDirectory);
    if (m_library == nullptr) return false;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i] = platform::LibrarySymbol(m_library, kPluginEntryNames[i]);
    return true;
}

void PluginLoader::Free() {
    if (m_library == nullptr) return;
    platform::CloseLibrary(m_library);
    m_library = nullptr;
    m_entries.fill(nullptr);
}

bool PluginLoader::IsComplete() const {
    return IsLoaded() && std::all_of(m_entries.begin(), m_entries.end(), [](void* entry) { return entry != nullptr; });
}
