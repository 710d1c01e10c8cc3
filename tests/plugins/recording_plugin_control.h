// The recording test plug-ins (RecordingPlugin.so, and PartialPlugin.so with only some entry
// points) and how tests drive them: both read these environment variables at every call.
//
// Log: when FOLIVEX_RECORDING_LOG names a file, every entry point appends one line,
//   "<EntryName>\t<selected row>\t<row count>" for entry points that take the list,
//   "StartUp\t<startupDirectory>\t<column count>\t<row count>",
//   "CreateHTML\t<selected row>\t<row count>\t<outDirectory>\t<indexFileName>",
//   "<EntryName>" for Option, About, Help and CleanUp.
// Result: FOLIVEX_RECORDING_RESULT_<EntryName> is a decimal result code, or "throw" for a
//   std::runtime_error out of the entry point; unset means PLUGIN_OK.
// Fill: when FOLIVEX_RECORDING_FILL is set, StartUp turns on full-row selection, creates
//   five columns and four rows (Japanese texts), after logging.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "folivex/plugin.h"

namespace recording_plugin {

inline constexpr const char* kLogVariable = "FOLIVEX_RECORDING_LOG";
inline constexpr const char* kFillVariable = "FOLIVEX_RECORDING_FILL";
inline constexpr const char* kRecordingPlugin = "RecordingPlugin.so";

inline std::string ResultVariable(std::string_view entryName) {
    return "FOLIVEX_RECORDING_RESULT_" + std::string(entryName);
}

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
