// The host's real list with 10,000 cocktails of the real plug-in: start-up (what a user waits
// for between starting Folivex and seeing the window), a search that refills the whole list,
// and one row added or deleted in the middle, each with the repaint it causes. Run under a
// display (Xvfb).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/dynlib.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "bench_support.h"
#include "core/list_fill.h"
#include "folivex_view.h"
#include "paths.h"
#include "store/schema.h"
#include "synthetic_workspace.h"

namespace {

struct Figures {
    const char* what;
    std::vector<double> seconds;
};

// The list lays its rows out when idle; then the frame paints what changed.
void Repaint(wxFrame* frame) {
    wxTheApp->ProcessIdle();
    frame->Update();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    int wxArgc = 1;  // the run count is ours, not wx's
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const BenchWorkspace bench("host-list-bench", SyntheticWorkspaceOptions{});
    if (!bench.Built()) return 1;
    const std::string workspace = bench.directory.string();
    std::unique_ptr<CocktailStore> store;
    if (!CocktailStore::Open(paths::Join(workspace, kDatabaseFileName), StoreAccess::Read, store).ok()) {
        std::fprintf(stderr, "cannot open the workspace\n");
        return 1;
    }
    const wxString plugin = wxString::FromUTF8(paths::Join(FOLIVEX_BENCH_PROGRAM_DIR, "Barvella.so"));
    Figures startUp{"StartUp into the list, then the first paint:", {}};
    Figures refill{"search refill of every row, with repaint:", {}};
    Figures insert{"one row added in the middle, with repaint:", {}};
    Figures remove{"one row deleted in the middle, with repaint:", {}};
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        wxDynamicLibrary library(plugin, wxDL_NOW | wxDL_QUIET);
        auto startUpEntry = reinterpret_cast<StartUpFunc>(library.GetSymbol("StartUp"));
        auto cleanUpEntry = reinterpret_cast<CleanUpFunc>(library.GetSymbol("CleanUp"));
        if (!startUpEntry || !cleanUpEntry) {
            std::fprintf(stderr, "cannot load %s\n", static_cast<const char*>(plugin.utf8_str()));
            return 1;
        }
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(800, 600));
        auto* view = new CFolivexView(frame, nullptr);
        IPluginList& list = view->GetPluginList();
        int result = PLUGIN_FAILED;
        startUp.seconds.push_back(SecondsOf([&] {
            result = startUpEntry(&list, workspace.c_str());
            frame->Show();
            Repaint(frame);
        }));
        rows = list.GetItemCount();
        refill.seconds.push_back(SecondsOf([&] {
            list.DeleteAllItems();
            static_cast<void>(FillCocktailList(*store, list, SearchConditions{}, [](const std::string&) {}));
            Repaint(frame);
        }));
        view->SetItemState(rows / 2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        const std::string middle = list.GetItemText(rows / 2, 0);
        insert.seconds.push_back(SecondsOf([&] {
            const int item = list.InsertItem(0, middle + "+");
            for (int column = 1; column < 5; ++column) list.SetItemText(item, column, list.GetItemText(0, column));
            Repaint(frame);
        }));
        remove.seconds.push_back(SecondsOf([&] {
            list.DeleteItem(rows / 2);
            Repaint(frame);
        }));
        if (result != PLUGIN_OK || cleanUpEntry() != PLUGIN_OK) {
            std::fprintf(stderr, "the plug-in failed\n");
            return 1;
        }
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
    store.reset();
    std::printf("host list, %d rows, %d runs\n", rows, runs);
    for (const Figures& figures : {startUp, refill, insert, remove}) Report(figures.what, figures.seconds);
    wxEntryCleanup();
    return 0;
}
