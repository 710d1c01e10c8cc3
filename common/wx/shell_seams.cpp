#include "shell_seams.h"

#include <wx/arrstr.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>

#include "desktop.h"

namespace shell {
namespace {

bool OpenWithDesktop(const wxString& path) {
    return platform::OpenWithDefaultProgram(path.utf8_string());
}

bool StartDetached(const std::vector<wxString>& argv) {
    std::vector<std::string> arguments;
    for (const wxString& argument : argv) arguments.push_back(argument.utf8_string());
    return platform::StartProgram(arguments);
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
