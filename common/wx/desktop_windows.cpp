#include "desktop.h"

#include <windows.h>
#include <shellapi.h>

#include <wx/log.h>
#include <wx/utils.h>

#include "platform/wide_text.h"

namespace platform {

// The shell itself reports a missing file or a file type with no program.
bool OpenWithDefaultProgram(const std::string& path) {
    const std::wstring file = ToWide(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;  // the caller reports a failure in its own words
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&info) != FALSE;
}

// CreateProcess fails at once for a program that cannot run, so nothing is checked first.
bool StartProgram(const std::vector<std::string>& argv) {
    wxLogNull quiet;
    if (argv.empty()) return false;
    std::vector<wxString> texts;
    for (const std::string& argument : argv) texts.push_back(wxString::FromUTF8(argument));
    std::vector<const wchar_t*> arguments;
    for (const wxString& text : texts) arguments.push_back(text.wc_str());
    arguments.push_back(nullptr);
    return wxExecute(arguments.data(), wxEXEC_ASYNC | wxEXEC_MAKE_GROUP_LEADER) > 0;
}

}  // namespace platform
