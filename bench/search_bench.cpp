// Search and the record dialogs on a workspace of 10,000 cocktails: each kind of search as
// the plug-in runs it (query and list fill), and how long the add, edit, copy and view
// dialogs take from the entry point's call until they stand on the screen. Run under a
// display (Xvfb).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include "bench_support.h"
#include "core/barvella_app.h"
#include "core/startup.h"
#include "store/cocktail_record.h"
#include "store/cocktail_store.h"
#include "synthetic_workspace.h"

extern "C" {
int AddItem(IPluginList* list);
int EditItem(IPluginList* list);
int CopyItem(IPluginList* list);
int ViewItem(IPluginList* list);
}

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lets each dialog really open, and closes it once its modal loop has painted it.
class OpenTimer : public wxModalDialogHook {
public:
    Clock::time_point start;
    double seconds = 0;

protected:
    int Enter(wxDialog* dialog) override {
        dialog->CallAfter([this, dialog] {
            dialog->Update();
            seconds = SecondsSince(start);
            dialog->EndModal(wxID_CANCEL);
        });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    int wxArgc = 1;  // the run count is ours, not wx's
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const BenchWorkspace workspace("search-bench", SyntheticWorkspaceOptions{});
    if (!workspace.Built()) return 1;
    CBarvellaApp& app = BarvellaApp();
    CollectingList list;
    std::vector<std::string> materialNames;
    if (StartUpPlugin(app, list, workspace.directory.string(), [](const std::string&) {}) != PLUGIN_OK ||
        !app.store->ReadMaterialNames(materialNames).ok()) {
        std::fprintf(stderr, "could not open the workspace in %s\n", workspace.directory.c_str());
        return 1;
    }
    std::printf("workspace: %d cocktails, %zu bases, %zu styles, %zu authors, %zu ingredient names; %d runs each\n",
                list.GetItemCount(), app.store->BaseNames().size(), app.store->StyleNames().size(),
                app.store->MasterNames().size(), materialNames.size(), runs);

    const std::pair<const char*, SearchConditions> searches[] = {
        {"search: base", {.baseName = app.store->BaseNames().front()}},
        {"search: ingredient", {.materialName = materialNames.front()}},
        {"search: strength", {.strong = 2}},
        {"search: taste", {.taste = 3}},
        {"search: all four", {app.store->BaseNames().front(), materialNames.front(), 2, 3}},
        {"search: none (every row)", {}},
    };
    for (const auto& [what, conditions] : searches) {
        std::vector<double> seconds;
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            list.DeleteAllItems();
            static_cast<void>(FillCocktailList(*app.store, list, conditions, [](const std::string&) {}));
            seconds.push_back(SecondsSince(start));
        }
        Report(what, seconds, "ms", std::to_string(list.GetItemCount()) + " rows");
    }

    list.DeleteAllItems();
    static_cast<void>(FillCocktailList(*app.store, list, {}, [](const std::string&) {}));
    list.selected = list.GetItemCount() / 2;
    OpenTimer timer;
    timer.Register();
    const std::pair<const char*, int (*)(IPluginList*)> dialogs[] = {
        {"open: add", AddItem}, {"open: edit", EditItem}, {"open: copy", CopyItem}, {"open: view", ViewItem}};
    for (const auto& [what, entryPoint] : dialogs) {
        std::vector<double> seconds;
        for (int run = 0; run < runs; ++run) {
            timer.start = Clock::now();
            entryPoint(&list);
            seconds.push_back(timer.seconds);
        }
        Report(what, seconds, "ms", "entry point to the painted dialog");
    }
    timer.Unregister();
    CleanUpPlugin(app);
    wxEntryCleanup();
    return 0;
}
