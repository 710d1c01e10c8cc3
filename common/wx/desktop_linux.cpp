#include "desktop.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace platform {

namespace {

// wxExecute forks before it tries the program, so a program that cannot run would still
// report a process; check first what exec would refuse.
bool CanRun(const wxString& program) {
    wxString path = program;
    if (!program.Contains("/")) {
        wxString searchPath;
        if (!wxGetEnv("PATH", &searchPath) || !wxFindFileInPath(&path, searchPath, program)) return false;
    }
    return wxFileName::FileExists(path) && wxFileName::IsFileExecutable(path);
}

}  // namespace

// xdg-open starts its helper and returns before the file is looked at, so a missing file is
// caught here, as the system's own shell would report it. The callers report a failure in
// their own words, so wx's log stays quiet.
bool OpenWithDefaultProgram(const std::string& path) {
    wxLogNull quiet;
    const wxString file = wxString::FromUTF8(path);
    return wxFileName::Exists(file) && wxLaunchDefaultApplication(file);
}

bool StartProgram(const std::vector<std::string>& argv) {
    wxLogNull quiet;
    if (argv.empty() || !CanRun(wxString::FromUTF8(argv.front()))) return false;
    std::vector<wxWCharBuffer> buffers;
    for (const std::string& argument : argv) buffers.emplace_back(wxString::FromUTF8(argument).wc_str());
    std::vector<const wchar_t*> arguments;
    for (const wxWCharBuffer& buffer : buffers) arguments.push_back(buffer.data());
    arguments.push_back(nullptr);
    return wxExecute(arguments.data(), wxEXEC_ASYNC | wxEXEC_MAKE_GROUP_LEADER) > 0;
}

}  // namespace platform
