// What the plug-in does when the host loads and unloads it, apart from showing messages.
#pragma once

#include <string>

#include "core/barvella_app.h"
#include "core/list_fill.h"
#include "folivex/plugin.h"

// Loads the settings, opens Barvella.mdb in `directory` (creating it when there is none yet)
// with its name lists, sets up the five columns and fills the list. PLUGIN_OK or
// PLUGIN_FAILED with the reason in app.failure; what was done before a failing step stays done.
int StartUpPlugin(CBarvellaApp& app, IPluginList& list, const std::string& directory, const PluginNotifier& notify);

// Saves the settings, when start-up could read them, and closes the database. When saving
// fails the database stays open (the application object closes it at unload) and the answer
// is PLUGIN_FAILED with the reason in app.failure.
int CleanUpPlugin(CBarvellaApp& app);
