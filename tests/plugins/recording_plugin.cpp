// The recording test plug-in (see recording_plugin_control.h): RecordingPlugin.so with every
// entry point, PartialPlugin.so (RECORDING_PARTIAL) with only StartUp and AddItem.
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "cp932.h"
#include "folivex/plugin.h"
#include "recording_plugin_control.h"

namespace {

int Record(const std::string& entryName, const std::string& details = "") {
    if (const char* path = std::getenv(recording_plugin::kLogVariable))
        std::ofstream(path, std::ios::app | std::ios::binary) << entryName << details << '\n';
    const char* result = std::getenv(recording_plugin::ResultVariable(entryName).c_str());
    if (result != nullptr && std::string(result) == "throw") throw std::runtime_error(entryName);
    return result == nullptr ? PLUGIN_OK : std::atoi(result);
}

std::string Describe(const IPluginList* list) {
    return "\t" + std::to_string(list->GetFirstSelectedItem()) + "\t" + std::to_string(list->GetItemCount());
}

}  // namespace

FOLIVEX_PLUGIN_EXPORT int StartUp(IPluginList* list, const char* startupDirectory) {
    const int result =
        Record("StartUp", "\t" + std::string(startupDirectory) + "\t" + std::to_string(list->GetColumnCount()) + "\t" +
                              std::to_string(list->GetItemCount()));
    // Four rows under a Japanese heading, so the status text shows converted text.
    list->InsertColumn(0, cp932::Literal("名前"), ListColumnAlign::Left, 160);
    for (const char* name : {"ジン・トニック", "マティーニ", "モスコー・ミュール", "サイドカー"}) {
        list->InsertItem(list->GetItemCount(), cp932::Literal(name));
    }
    return result;
}

// One entry point that records its call with `details` and answers the chosen result.
#define RECORDING_ENTRY(name, parameters, details) \
    FOLIVEX_PLUGIN_EXPORT int name parameters {    \
        return Record(#name, details);             \
    }
RECORDING_ENTRY(AddItem, (IPluginList * list), Describe(list))
#ifndef RECORDING_PARTIAL
RECORDING_ENTRY(DeleteItem, (IPluginList * list), Describe(list))
RECORDING_ENTRY(EditItem, (IPluginList * list), Describe(list))
RECORDING_ENTRY(CopyItem, (IPluginList * list), Describe(list))
RECORDING_ENTRY(ViewItem, (IPluginList * list), Describe(list))
RECORDING_ENTRY(SearchItem, (IPluginList * list), Describe(list))
RECORDING_ENTRY(ClearList, (IPluginList * list), Describe(list))
RECORDING_ENTRY(CreateHTML, (IPluginList * list, const char* out, const char* index),
                Describe(list) + "\t" + out + "\t" + index)
RECORDING_ENTRY(CleanUp, (), "")
RECORDING_ENTRY(Option, (), "")
RECORDING_ENTRY(About, (), "")
RECORDING_ENTRY(Help, (), "")
#endif
