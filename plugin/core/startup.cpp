#include "startup.h"

#include <utility>

#include "cocktail_database.h"
#include "cp932.h"
#include "paths.h"
#include "schema.h"

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

bool OpenOrCreate(CBarvellaApp& app) {
    const std::string path = paths::Join(app.hostDirectory, kDatabaseFileName);
    switch (OpenCocktailDatabase(path, app.database)) {
        case 0:
            return true;
        case -1:
            return CreateCocktailDatabase(path, app.database);
        default:
            return false;
    }
}

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
    if (!OpenOrCreate(app)) return Failed(app, LastDatabaseError());
    app.workspaceLock = std::make_unique<platform::WorkspaceLock>(app.hostDirectory);
    // A library kept loaded by a refused clean-up is started again: the lists mirror the
    // tables, so they are loaded afresh rather than appended twice.
    app.baseNames.clear();
    app.masterNames.clear();
    app.styleNames.clear();
    if (!LoadBaseNames(*app.database, app.baseNames) || !LoadMasterNames(*app.database, app.masterNames) ||
        !LoadStyleNames(*app.database, app.styleNames)) {
        return Failed(app, LastDatabaseError());
    }
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        const ColumnDefinition& definition = kColumns[column];
        list.InsertColumn(column, cp932::Literal(definition.heading), definition.align, definition.width);
    }
    list.SetFullRowSelect(true);
    list.SetSortAscending(true);
    if (!FillCocktailList(*app.database, list, CocktailQuery{}, notify)) return Failed(app, LastDatabaseError());
    return PLUGIN_OK;
}

int CleanUpPlugin(CBarvellaApp& app) {
    app.failure.clear();
    if (app.settingsLoaded && !SaveSettings(app.hostDirectory, app.settings)) {
        return Failed(app, "cannot save the settings and the top-page comment in " + app.hostDirectory);
    }
    CloseCocktailDatabase(app.database);
    app.workspaceLock.reset();
    return PLUGIN_OK;
}
