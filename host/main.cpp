#include "folivex_app.h"

wxIMPLEMENT_APP(CFolivexApp);
