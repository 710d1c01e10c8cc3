// The search entry point: the conditions from the search dialog, then the host's list refilled
// with the cocktails that meet them all.
#include "cocktail_search_dialog.h"
#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/cocktail_search.h"
#include "core/list_fill.h"
#include "core/schema.h"
#include "folivex/plugin.h"
#include "plugin_messages.h"

FOLIVEX_PLUGIN_EXPORT int SearchItem(IPluginList* list) {
    CBarvellaApp& app = BarvellaApp();
    if (list == nullptr || app.database == nullptr) return PLUGIN_FAILED;
    CCocktailSearchDialog dialog;
    dialog.SetBaseNames(app.baseNames);
    std::vector<std::string> materialNames;
    if (!LoadMaterialNames(*app.database, materialNames)) return PLUGIN_FAILED;
    dialog.SetMaterialNames(materialNames);
    if (dialog.ShowModal() != wxID_OK) return PLUGIN_OK;
    if (!list->DeleteAllItems()) return PLUGIN_FAILED;
    const CocktailQuery query = ComposeSearchQuery(dialog.Conditions());
    if (FillCocktailList(*app.database, *list, query, ShowPluginNotice)) return PLUGIN_OK;
    ReportFailure("search failed: " + LastDatabaseError());
    return PLUGIN_FAILED;
}
