// The few places where the host or the plug-in hands work to the desktop: opening a file
// with its associated program, starting a program, and the folder and file choosers. Each
// goes through one replaceable function so tests can observe what would be opened, started
// or chosen; the programs use the real implementations. Host and plug-in each hold their own.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <wx/string.h>

class wxWindow;

namespace shell {

struct FileChoice {
    wxWindow* parent = nullptr;
    wxString message;
    wxString defaultDirectory;
    wxString wildcard;
    long style = 0;
};

struct ChosenFile {
    wxString path;  // full path
    wxString name;  // file name with extension, no directory
};

struct Seams {
    // False when the file could not be handed to a program.
    std::function<bool(const wxString& path)> openWithAssociatedProgram;
    // argv[0] is the program; never through a shell, never waited for. False when it
    // could not be started.
    std::function<bool(const std::vector<wxString>& argv)> startProgram;
    // nullopt when the user cancelled.
    std::function<std::optional<wxString>(wxWindow* parent, const wxString& title)> chooseFolder;
    std::function<std::optional<ChosenFile>(const FileChoice& choice)> chooseFile;
};

// `wildcard` with every pattern also in lower and in upper case. GTK matches a chooser's
// patterns by case, and pictures from cameras end in .JPG; the real file chooser uses this.
wxString InBothCases(const wxString& wildcard);

// The real implementations.
Seams DesktopSeams();

// The seams in use; tests replace them and restore DesktopSeams() afterwards.
Seams& Current();

inline bool OpenWithAssociatedProgram(const wxString& path) {
    return Current().openWithAssociatedProgram(path);
}
inline bool StartProgram(const std::vector<wxString>& argv) {
    return Current().startProgram(argv);
}
inline std::optional<wxString> ChooseFolder(wxWindow* parent, const wxString& title) {
    return Current().chooseFolder(parent, title);
}
inline std::optional<ChosenFile> ChooseFile(const FileChoice& choice) {
    return Current().chooseFile(choice);
}

}  // namespace shell
