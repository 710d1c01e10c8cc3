// How tests drive the recording test plug-in (RecordingPlugin.so) and the partial one
// (PartialPlugin.so): both read these environment variables at every call.
//
// Log: when FOLIVEX_RECORDING_LOG names a file, every entry point appends one line,
//   "<EntryName>\t<selected row>\t<row count>" for entry points that take the list,
//   "StartUp\t<startupDirectory>\t<column count>\t<row count>",
//   "CreateHTML\t<selected row>\t<row count>\t<outDirectory>\t<indexFileName>",
//   "<EntryName>" for Option, About, Help and CleanUp.
// Result: FOLIVEX_RECORDING_RESULT_<EntryName> is a decimal result code, or "throw" for a
//   std::runtime_error out of the entry point; unset means PLUGIN_OK.
// Fill: when FOLIVEX_RECORDING_FILL is "1", StartUp turns on full-row selection, creates
//   five columns and a few rows (Japanese texts).
#pragma once

#include <string>
#include <string_view>

namespace recording_plugin {

inline constexpr const char* kLogVariable = "FOLIVEX_RECORDING_LOG";
inline constexpr const char* kFillVariable = "FOLIVEX_RECORDING_FILL";

inline std::string ResultVariable(std::string_view entryName) {
    return "FOLIVEX_RECORDING_RESULT_" + std::string(entryName);
}

inline constexpr const char* kThrow = "throw";

// File names in the program directory.
inline constexpr const char* kRecordingPlugin = "RecordingPlugin.so";
inline constexpr const char* kPartialPlugin = "PartialPlugin.so";
inline constexpr const char* kEmptyPlugin = "EmptyPlugin.so";
inline constexpr const char* kNotALibrary = "NotAPlugin.so";

}  // namespace recording_plugin
