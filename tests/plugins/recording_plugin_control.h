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

#include <string>
#include <string_view>

namespace recording_plugin {

inline constexpr const char* kLogVariable = "FOLIVEX_RECORDING_LOG";
inline constexpr const char* kFillVariable = "FOLIVEX_RECORDING_FILL";
inline constexpr const char* kRecordingPlugin = "RecordingPlugin.so";

inline std::string ResultVariable(std::string_view entryName) {
    return "FOLIVEX_RECORDING_RESULT_" + std::string(entryName);
}

}  // namespace recording_plugin
