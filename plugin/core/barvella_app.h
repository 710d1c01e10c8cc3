// The plug-in's one application object: settings, the store and the directory the host
// handed over. It lives from library load to unload.
#pragma once

#include <memory>
#include <string>

#include "core/settings.h"
#include "platform/workspace_lock.h"
#include "store/cocktail_store.h"

class CBarvellaApp {
public:
    CBarvellaApp() = default;
    CBarvellaApp(const CBarvellaApp&) = delete;
    CBarvellaApp& operator=(const CBarvellaApp&) = delete;

    PluginSettings settings;
    // Open from start-up to clean-up; a clean-up that could not save the settings leaves it
    // open until the library is unloaded. Its name lists are what the dialogs offer.
    std::unique_ptr<CocktailStore> store;
    std::string hostDirectory;  // as the host passed it, nothing added or removed
    // Held while `store` is open, so the command-line import can tell.
    std::unique_ptr<platform::WorkspaceLock> workspaceLock;
    // Clean-up writes the settings back only when start-up could read them: defaults must
    // never replace what the user's files hold.
    bool settingsLoaded = false;
    // Why the last start-up or clean-up failed, in words (paths as the system gives them).
    std::string failure;
};

CBarvellaApp& BarvellaApp();
