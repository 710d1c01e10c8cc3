// What the recording and partial test plug-ins share: the call log and the chosen results.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "folivex/plugin.h"
#include "recording_plugin_control.h"

namespace recording_plugin {

inline void AppendLog(const std::string& line) {
    const char* path = std::getenv(kLogVariable);
    if (path == nullptr || *path == '\0') {
        return;
    }
    if (std::FILE* file = std::fopen(path, "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

inline std::string DescribeList(const IPluginList* list) {
    if (list == nullptr) {
        return "none\tnone";
    }
    return std::to_string(list->GetFirstSelectedItem()) + "\t" + std::to_string(list->GetItemCount());
}

// The result chosen for `entryName`, or a throw when the test asked for one.
inline int ChosenResult(std::string_view entryName) {
    const char* value = std::getenv(ResultVariable(entryName).c_str());
    if (value == nullptr || *value == '\0') {
        return PLUGIN_OK;
    }
    if (std::string_view(value) == kThrow) {
        throw std::runtime_error("test plug-in: " + std::string(entryName));
    }
    return std::atoi(value);
}

inline int RecordListCall(std::string_view entryName, IPluginList* list) {
    AppendLog(std::string(entryName) + "\t" + DescribeList(list));
    return ChosenResult(entryName);
}

inline int RecordStartUp(IPluginList* list, const char* startupDirectory) {
    AppendLog("StartUp\t" + std::string(startupDirectory ? startupDirectory : "(null)") + "\t" +
              std::to_string(list ? list->GetColumnCount() : -1) + "\t" +
              std::to_string(list ? list->GetItemCount() : -1));
    return ChosenResult("StartUp");
}

inline int RecordPlainCall(std::string_view entryName) {
    AppendLog(std::string(entryName));
    return ChosenResult(entryName);
}

}  // namespace recording_plugin
