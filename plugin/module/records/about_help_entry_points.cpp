// The about box and the manual.
#include <wx/strconv.h>

#include "core/barvella_app.h"
#include "folivex/plugin.h"
#include "plugin_about_dialog.h"
#include "plugin_manual.h"
#include "shell_seams.h"

FOLIVEX_PLUGIN_EXPORT int About() {
    CPluginAboutDialog dialog;
    dialog.ShowModal();
    return PLUGIN_OK;
}

FOLIVEX_PLUGIN_EXPORT int Help() {
    const std::string manual = PluginManualPath(BarvellaApp().hostDirectory);
    shell::OpenWithAssociatedProgram(wxString(manual.c_str(), *wxConvFileName));
    return PLUGIN_OK;
}
