// A test plug-in that exports only StartUp and AddItem, recording like the complete one.
#include "recording_support.h"

using namespace recording_plugin;

FOLIVEX_PLUGIN_EXPORT int StartUp(IPluginList* list, const char* startupDirectory) {
    return RecordStartUp(list, startupDirectory);
}
FOLIVEX_PLUGIN_EXPORT int AddItem(IPluginList* list) {
    return RecordListCall("AddItem", list);
}
