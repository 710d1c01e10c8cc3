#include "shell_seams.h"

#include <wx/arrstr.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace shell {
namespace {

// The desktop opener starts its helper and returns before the file is looked at, so a
// missing file is caught here, as the system's own shell would report it. The callers
// report a failure in their own words, so wx's log stays quiet.
bool OpenWithDesktop(const wxString& path) {
    wxLogNull quiet;
    return wxFileExists(path) && wxLaunchDefaultApplication(path);
}

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

bool StartDetached(const std::vector<wxString>& argv) {
    wxLogNull quiet;
    if (argv.empty() || !CanRun(argv.front())) return false;
    std::vector<wxWCharBuffer> buffers;
    for (const wxString& argument : argv) buffers.emplace_back(argument.wc_str());
    std::vector<const wchar_t*> arguments;
    for (const wxWCharBuffer& buffer : buffers) arguments.push_back(buffer.data());
    arguments.push_back(nullptr);
    return wxExecute(arguments.data(), wxEXEC_ASYNC | wxEXEC_MAKE_GROUP_LEADER) > 0;
}

std::optional<wxString> ChooseFolderWithDialog(wxWindow* parent, const wxString& title) {
    wxDirDialog dialog(parent, title, wxEmptyString, wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetPath();
}

std::optional<ChosenFile> ChooseFileWithDialog(const FileChoice& choice) {
    wxFileDialog dialog(choice.parent, choice.message, choice.defaultDirectory, wxEmptyString,
                        InBothCases(choice.wildcard), choice.style);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return ChosenFile{dialog.GetPath(), dialog.GetFilename()};
}

}  // namespace

wxString InBothCases(const wxString& wildcard) {
    wxArrayString parts = wxSplit(wildcard, '|', '\0');
    for (std::size_t i = 1; i < parts.size(); i += 2) {
        wxArrayString patterns;
        for (wxString pattern : wxSplit(parts[i], ';', '\0')) {
            pattern.Trim(false).Trim(true);
            for (const wxString& spelling : {pattern, pattern.Lower(), pattern.Upper()})
                if (patterns.Index(spelling) == wxNOT_FOUND) patterns.Add(spelling);
        }
        parts[i] = wxJoin(patterns, ';', '\0');
    }
    return wxJoin(parts, '|', '\0');
}

Seams DesktopSeams() {
    return Seams{OpenWithDesktop, StartDetached, ChooseFolderWithDialog, ChooseFileWithDialog};
}

Seams& Current() {
    static Seams seams = DesktopSeams();
    return seams;
}

}  // namespace shell
