// The host's one document: the settings of Folivex.ini and the binding to the plug-in.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <wx/dynlib.h>
#include <wx/string.h>

#include "folivex/plugin.h"

class CFolivexView;

// The plug-in commands the host can run through the guarded call.
enum PluginCommand {
    CreateHTML,
    AddItem,
    DeleteItem,
    EditItem,
    CopyItem,
    ViewItem,
    SearchItem,
    ClearList,
    Option,
    About,
    Help
};

// The loaded library and its thirteen entry points; all null when nothing is loaded, some
// null for a library that lacks them.
struct PluginEntryTable {
    wxDllType library = nullptr;
    CreateHTMLFunc CreateHTML = nullptr;
    AddItemFunc AddItem = nullptr;
    DeleteItemFunc DeleteItem = nullptr;
    EditItemFunc EditItem = nullptr;
    CopyItemFunc CopyItem = nullptr;
    ViewItemFunc ViewItem = nullptr;
    SearchItemFunc SearchItem = nullptr;
    ClearListFunc ClearList = nullptr;
    OptionFunc Option = nullptr;
    AboutFunc About = nullptr;
    HelpFunc Help = nullptr;
    StartUpFunc StartUp = nullptr;
    CleanUpFunc CleanUp = nullptr;
};

class CFolivexDoc {
public:
    // `startupDirectory` is what the plug-in's StartUp receives.
    explicit CFolivexDoc(std::string startupDirectory);
    // Unloads the plug-in (CleanUp runs) unless its CleanUp refuses.
    ~CFolivexDoc();

    CFolivexDoc(const CFolivexDoc&) = delete;
    CFolivexDoc& operator=(const CFolivexDoc&) = delete;

    // Texts are CP932 bytes.
    std::string HTMLOutDirectory;
    std::string HTMLIndexFileName;
    std::string HTMLEditorPath;
    int BrowseHTMLAfterCreate = 0;
    std::string PluginName;

    PluginEntryTable entries;

    // Holds the executable, Folivex.ini and the plug-ins; file-system bytes, no trailing '/'.
    std::string programDirectory;
    const std::string startupDirectory;

    // Reads Folivex.ini, retitles the window and loads the plug-in. Returns 1 always.
    int LoadHostSettings();
    // Writes the five keys; 0 when any of them could not be written.
    int SaveHostSettings();
    std::string SettingsPath() const;

    // "ﾌﾟﾗｸﾞｲﾝを設定してください" while no plug-in is named, else the plug-in name.
    wxString GetTitleText() const;
    // Puts "<title> - Folivex" into the caption of the window that holds the view.
    void UpdateTitle();

    // 1 when all thirteen entry points were bound. Unloads the current plug-in first.
    int LoadPlugin();
    void UnloadPlugin();
    bool IsPluginLoaded() const { return entries.library != nullptr; }
    bool HasEntry(PluginCommand command) const;

    // The guarded call of a command: reports a missing plug-in or entry point, an
    // exception, a failure or an invalid result itself. True exactly when the entry point
    // answered PLUGIN_OK, so the caller does the command's follow-up.
    bool RunPluginCommand(PluginCommand command, IPluginList* list);

    // The view's answer to HINT_PLUGIN_LOADED: StartUp with `startupDirectory`.
    void StartPlugin(IPluginList* list);

    CFolivexView* GetView() const { return m_view; }
    // The view registers itself while it exists.
    void SetView(CFolivexView* view) { m_view = view; }

private:
    int Invoke(PluginCommand command, IPluginList* list) const;

    CFolivexView* m_view = nullptr;
};

// Runs `call` inside the catch-all. An exception is reported and gives nullopt.
std::optional<int> CallPluginGuarded(const std::function<int()>& call);
