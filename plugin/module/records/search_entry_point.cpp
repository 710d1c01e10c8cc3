// The search entry point: the conditions from the search dialog, then the host's list refilled
// with the cocktails that meet them all.
#include "cocktail_search_dialog.h"
#include "core/barvella_app.h"
#include "core/list_fill.h"
#include "folivex/plugin.h"
#include "plugin_messages.h"

FOLIVEX_PLUGIN_EXPORT int SearchItem(IPluginList* list) {
    CBarvellaApp& app = BarvellaApp();
    if (list == nullptr || app.store == nullptr) return PLUGIN_FAILED;
    CCocktailSearchDialog dialog;
    dialog.SetBaseNames(app.store->BaseNames());
    std::vector<std::string> materialNames;
    if (const StoreStatus read = app.store->ReadMaterialNames(materialNames); !read.ok()) {
        ReportFailure("search failed: " + read.reason);
        return PLUGIN_FAILED;
    }
    dialog.SetMaterialNames(materialNames);
    if (dialog.ShowModal() != wxID_OK) return PLUGIN_OK;
    if (!list->DeleteAllItems()) return PLUGIN_FAILED;
    const StoreStatus filled = FillCocktailList(*app.store, *list, dialog.Conditions(), ShowPluginNotice);
    if (filled.ok()) return PLUGIN_OK;
    ReportFailure("search failed: " + filled.reason);
    return PLUGIN_FAILED;
}
