// A test plug-in that exports only some of the entry points: StartUp, CleanUp, AddItem
// and ViewItem. It records and answers like the recording plug-in.
#include "recording_support.h"

using namespace recording_plugin;

FOLIVEX_PLUGIN_EXPORT int StartUp(IPluginList* list, const char* startupDirectory) {
    return RecordStartUp(list, startupDirectory);
}
FOLIVEX_PLUGIN_EXPORT int CleanUp() { return RecordPlainCall("CleanUp"); }
FOLIVEX_PLUGIN_EXPORT int AddItem(IPluginList* list) { return RecordListCall("AddItem", list); }
FOLIVEX_PLUGIN_EXPORT int ViewItem(IPluginList* list) { return RecordListCall("ViewItem", list); }
