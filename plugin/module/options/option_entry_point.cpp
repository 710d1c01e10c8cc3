// The plug-in's Option entry point. The settings change in memory only; clean-up saves them.
#include "core/barvella_app.h"
#include "folivex/plugin.h"
#include "options/barvella_option.h"
#include "plugin_messages.h"

FOLIVEX_PLUGIN_EXPORT int Option() {
    PluginSettings& settings = BarvellaApp().settings;
    CBarvellaOption sheet(PluginMainWindow());
    sheet.Load(settings);
    if (sheet.ShowModal() == wxID_OK) sheet.Store(settings);
    return PLUGIN_OK;
}
