// Start-up of the real plug-in into the host's real list control, 10,000 cocktails: what a
// user waits for between starting Folivex and seeing the window. Run under a display (Xvfb).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <wx/app.h>
#include <wx/dynlib.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "folivex_view.h"
#include "paths.h"
#include "synthetic_workspace.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    int wxArgc = 1;  // the run count is ours, not wx's
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const std::string workspace =
        std::filesystem::temp_directory_path() / ("host_list_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(workspace);
    if (!BuildSyntheticWorkspace(workspace, SyntheticWorkspaceOptions{})) {
        std::fprintf(stderr, "cannot build the workspace\n");
        return 1;
    }
    const wxString plugin = wxString::FromUTF8(paths::Join(FOLIVEX_BENCH_PROGRAM_DIR, "Barvella.so"));
    std::vector<double> seconds;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        wxDynamicLibrary library(plugin, wxDL_NOW | wxDL_QUIET);
        auto startUp = reinterpret_cast<StartUpFunc>(library.GetSymbol("StartUp"));
        auto cleanUp = reinterpret_cast<CleanUpFunc>(library.GetSymbol("CleanUp"));
        if (!startUp || !cleanUp) {
            std::fprintf(stderr, "cannot load %s\n", static_cast<const char*>(plugin.utf8_str()));
            return 1;
        }
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bench");
        auto* view = new CFolivexView(frame, nullptr);
        const auto begin = std::chrono::steady_clock::now();
        const int result = startUp(view, workspace.c_str());
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        rows = view->GetItemCount();
        if (result != PLUGIN_OK || cleanUp() != PLUGIN_OK) {
            std::fprintf(stderr, "the plug-in failed\n");
            return 1;
        }
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
    std::filesystem::remove_all(workspace);
    std::sort(seconds.begin(), seconds.end());
    std::printf("StartUp into the host's list, %d rows, %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n", rows,
                runs, seconds[seconds.size() / 2] * 1000, seconds.front() * 1000, seconds.back() * 1000);
    wxEntryCleanup();
    return 0;
}
