#include "barvella_app.h"

#include "schema.h"

CBarvellaApp::~CBarvellaApp() {
    CloseCocktailDatabase(database);
}

CBarvellaApp& BarvellaApp() {
    static CBarvellaApp app;
    return app;
}
