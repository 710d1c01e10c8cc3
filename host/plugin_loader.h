// The plug-in library and its thirteen entry points, bound by name: the one place where the
// host loads and frees a library.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include <wx/dynlib.h>

#include "folivex/plugin.h"

class PluginLoader {
public:
    PluginLoader() = default;
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;
    // Leaves the library loaded: only Free unloads it, once its CleanUp has agreed.
    ~PluginLoader() = default;

    // Loads the library `name` (CP932, as the settings hold it) and binds each entry point it
    // exports. A bare name is looked up in `programDirectory` first, then by the system's
    // search; a name with a directory is used as it stands. The library held before is let go
    // unfreed. False when nothing could be loaded; the table is then empty.
    bool Load(const std::string& name, const std::string& programDirectory);
    // Unloads the library and empties the table.
    void Free();

    bool IsLoaded() const { return m_library != nullptr; }
    // True when the library exports all thirteen entry points.
    bool IsComplete() const;
    // The entry point at `index` of kPluginEntryNames; null when the library lacks it.
    void* Entry(std::size_t index) const { return m_entries[index]; }

private:
    wxDllType m_library = nullptr;
    std::array<void*, std::size(kPluginEntryNames)> m_entries{};
};
