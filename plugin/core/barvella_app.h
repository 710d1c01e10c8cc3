// The plug-in's one application object: settings, name lists, the connection and the
// directory the host handed over. It lives from library load to unload.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>

#include "settings.h"
#include "platform/workspace_lock.h"

class CBarvellaApp {
public:
    CBarvellaApp() = default;
    CBarvellaApp(const CBarvellaApp&) = delete;
    CBarvellaApp& operator=(const CBarvellaApp&) = delete;
    // Closes a database that clean-up left open (its settings could not be saved).
    ~CBarvellaApp();

    // The three lists mirror TBL_STYLE, TBL_MASTER and TBL_BASE in ascending FLD_INDEX;
    // the access routines keep them in step and the record and search dialogs show them.
    std::vector<std::string> styleNames;
    PluginSettings settings;
    std::vector<std::string> masterNames;
    std::vector<std::string> baseNames;
    std::unique_ptr<SQLite::Database> database;
    std::string hostDirectory;  // as the host passed it, nothing added or removed
    // Held while `database` is open, so the command-line import can tell.
    std::unique_ptr<platform::WorkspaceLock> workspaceLock;
    // Clean-up writes the settings back only when start-up could read them: defaults must
    // never replace what the user's files hold.
    bool settingsLoaded = false;
    // Why the last start-up or clean-up failed, in words (paths as the system gives them).
    std::string failure;
};

CBarvellaApp& BarvellaApp();
