// How the host's tests drive the test plug-ins built from recording_plugin.cpp. Each entry
// point appends one line to the file that FOLIVEX_RECORDING_LOG names:
//   "StartUp\t<startupDirectory>\t<column count>\t<row count>", before it fills the list,
//   "CreateHTML\t<selected row>\t<row count>\t<outDirectory>\t<indexFileName>",
//   "<EntryName>\t<selected row>\t<row count>" for the other entry points that take the list,
//   "<EntryName>" for the rest;
// and answers FOLIVEX_RECORDING_RESULT_<EntryName>: a result code, or "throw" for an
// exception out of the entry point; unset means PLUGIN_OK.
#pragma once

#include <string>

namespace recording_plugin {

inline constexpr const char* kLogVariable = "FOLIVEX_RECORDING_LOG";

inline std::string ResultVariable(const std::string& entryName) {
    return "FOLIVEX_RECORDING_RESULT_" + entryName;
}

}  // namespace recording_plugin
