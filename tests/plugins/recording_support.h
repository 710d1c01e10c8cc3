// What the recording test plug-ins share: the call log and the chosen results.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "folivex/plugin.h"
#include "recording_plugin_control.h"

namespace recording_plugin {

inline void AppendLog(const std::string& line) {
    const char* path = std::getenv(kLogVariable);
    if (path == nullptr) {
        return;
    }
    if (std::FILE* file = std::fopen(path, "ab")) {
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }
}

// The result chosen for `entryName`, or a throw when the test asked for one.
inline int ChosenResult(std::string_view entryName) {
    const char* value = std::getenv(ResultVariable(entryName).c_str());
    if (value == nullptr) {
        return PLUGIN_OK;
    }
    if (std::string_view(value) == "throw") {
        throw std::runtime_error("test plug-in: " + std::string(entryName));
    }
    return std::atoi(value);
}

inline std::string DescribeList(const IPluginList* list) {
    return list == nullptr ? "none\tnone"
                           : std::to_string(list->GetFirstSelectedItem()) + "\t" + std::to_string(list->GetItemCount());
}

inline int RecordCall(std::string_view entryName, const std::string& details = "") {
    AppendLog(std::string(entryName) + details);
    return ChosenResult(entryName);
}

inline int RecordListCall(std::string_view entryName, IPluginList* list) {
    return RecordCall(entryName, "\t" + DescribeList(list));
}

inline int RecordStartUp(IPluginList* list, const char* startupDirectory) {
    return RecordCall("StartUp", "\t" + std::string(startupDirectory) + "\t" +
                                     std::to_string(list ? list->GetColumnCount() : -1) + "\t" +
                                     std::to_string(list ? list->GetItemCount() : -1));
}

}  // namespace recording_plugin
