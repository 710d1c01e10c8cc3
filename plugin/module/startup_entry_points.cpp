// Start-up, clean-up and clear-list entry points of the plug-in.
#include <wx/msgdlg.h>

#include "core/barvella_app.h"
#include "core/startup.h"
#include "folivex/plugin.h"
#include "plugin_messages.h"
#include "utf8_text.h"

FOLIVEX_PLUGIN_EXPORT int StartUp(IPluginList* list, const char* startupDirectory) {
    if (list == nullptr || startupDirectory == nullptr) return PLUGIN_FAILED;
    const int result = StartUpPlugin(BarvellaApp(), *list, startupDirectory, ShowPluginNotice);
    if (result != PLUGIN_OK) ReportFailure("start-up failed: " + BarvellaApp().failure);
    return result;
}

FOLIVEX_PLUGIN_EXPORT int CleanUp() {
    const int result = CleanUpPlugin(BarvellaApp());
    if (result != PLUGIN_OK) ReportFailure("clean-up failed: " + BarvellaApp().failure);
    return result;
}

// The host empties its list itself once this returns; the rows come back through a search.
FOLIVEX_PLUGIN_EXPORT int ClearList(IPluginList*) {
    ShowPluginMessage(U("全レコードをクリアします。\n再表示するには、アイテムの検索を行ってください。"),
                      wxOK | wxICON_INFORMATION);
    return PLUGIN_OK;
}
