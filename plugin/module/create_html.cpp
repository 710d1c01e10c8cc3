// The Generate command's entry point: ask, show the progress window, write the site.
#include <chrono>
#include <optional>
#include <thread>

#include <wx/msgdlg.h>

#include "core/barvella_app.h"
#include "cp932_wx.h"
#include "folivex/plugin.h"
#include "html_progress_dialog.h"
#include "plugin_messages.h"
#include "site/generation.h"
#include "utf8_text.h"

namespace {

// The host's main window stays disabled for exactly the length of the run.
class MainWindowDisabler {
public:
    MainWindowDisabler() : m_window(PluginMainWindow()) {
        if (m_window) m_window->Enable(false);
    }
    ~MainWindowDisabler() {
        if (m_window) m_window->Enable(true);
    }
    MainWindowDisabler(const MainWindowDisabler&) = delete;
    MainWindowDisabler& operator=(const MainWindowDisabler&) = delete;

private:
    wxWindow* m_window;
};

class ProgressObserver : public GenerationObserver {
public:
    explicit ProgressObserver(CHtmlProgressDialog& dialog) : m_dialog(dialog) {}
    void ShowStatus(const std::string& text) override { m_dialog.SetStatusText(cp932::ToWx(text)); }
    void StepIt() override { m_dialog.StepIt(); }
    void Pause(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }

private:
    CHtmlProgressDialog& m_dialog;
};

}  // namespace

FOLIVEX_PLUGIN_EXPORT int CreateHTML(IPluginList*, const char* outDirectory, const char* indexFileName) {
    const std::string directory = outDirectory ? outDirectory : "";
    if (directory.empty()) {
        ReportFailure(kNoOutputDirectory);
        return PLUGIN_FAILED;
    }
    const int answer =
        ShowPluginMessage(U("ファイルは上書きされます。続行しますか？"), wxOK | wxCANCEL | wxICON_QUESTION);
    if (answer != wxID_OK) return PLUGIN_CANCELLED;

    CBarvellaApp& app = BarvellaApp();
    if (!app.store) {
        ReportFailure("generation failed: the database is not open");
        return PLUGIN_FAILED;
    }
    // Declared first so that it ends last: the window goes, then the host is enabled again.
    std::optional<MainWindowDisabler> disabled;
    CHtmlProgressDialog dialog;
    dialog.SetRangeMax(GENERATION_RANGE);
    if (!dialog.Create()) return PLUGIN_FAILED;
    disabled.emplace();

    ProgressObserver observer(dialog);
    const GenerationResult result =
        GenerateSite(*app.store, app.settings, directory, indexFileName ? indexFileName : "", observer);
    if (!result.ok) ReportFailure("generation failed: " + DescribeFailure(result));
    return result.ok ? PLUGIN_OK : PLUGIN_FAILED;
}
