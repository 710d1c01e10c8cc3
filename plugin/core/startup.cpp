#include "core/startup.h"

#include <utility>

#include "cp932.h"
#include "paths.h"
#include "store/schema.h"

namespace {

struct ColumnDefinition {
    const char* heading;  // UTF-8 here, CP932 in the list
    ListColumnAlign align;
    int width;
};

constexpr ColumnDefinition kColumns[] = {
    {"カクテル名称", ListColumnAlign::Left, 200}, {"ベース", ListColumnAlign::Center, 100},
    {"スタイル", ListColumnAlign::Center, 70},    {"強度", ListColumnAlign::Center, 50},
    {"味わい", ListColumnAlign::Center, 50},
};

int Failed(CBarvellaApp& app, std::string reason) {
    app.failure = std::move(reason);
    return PLUGIN_FAILED;
}

}  // namespace

int StartUpPlugin(CBarvellaApp& app, IPluginList& list, const std::string& directory, const PluginNotifier& notify) {
    app.hostDirectory = directory;
    app.failure.clear();
    app.settingsLoaded = LoadSettings(app.hostDirectory, app.settings);
    if (!app.settingsLoaded) return Failed(app, "cannot read the top-page comment in " + directory);
    // A library kept loaded by a refused clean-up is started again: the store is opened
    // afresh, its name lists with it.
    app.store.reset();
    const StoreStatus opened =
        CocktailStore::Open(paths::Join(app.hostDirectory, kDatabaseFileName), StoreAccess::Change, app.store);
    if (!opened.ok()) return Failed(app, opened.reason);
    app.workspaceLock = std::make_unique<platform::WorkspaceLock>(app.hostDirectory);
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        const ColumnDefinition& definition = kColumns[column];
        list.InsertColumn(column, cp932::Literal(definition.heading), definition.align, definition.width);
    }
    list.SetFullRowSelect(true);
    list.SetSortAscending(true);
    if (const StoreStatus filled = FillCocktailList(*app.store, list, SearchConditions{}, notify); !filled.ok())
        return Failed(app, filled.reason);
    return PLUGIN_OK;
}

int CleanUpPlugin(CBarvellaApp& app) {
    app.failure.clear();
    if (app.settingsLoaded && !SaveSettings(app.hostDirectory, app.settings)) {
        return Failed(app, "cannot save the settings and the top-page comment in " + app.hostDirectory);
    }
    app.store.reset();
    app.workspaceLock.reset();
    return PLUGIN_OK;
}
