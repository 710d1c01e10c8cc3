#include "core/barvella_app.h"

CBarvellaApp& BarvellaApp() {
    static CBarvellaApp app;
    return app;
}
