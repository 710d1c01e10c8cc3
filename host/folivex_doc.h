// The host's one document: the settings of Folivex.ini, the plug-in it names and the guarded
// call through which every command reaches that plug-in.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <wx/string.h>

#include "folivex/plugin.h"
#include "plugin_loader.h"
#include "settings_location.h"

// View-update hint with which the loader asks the view to call StartUp.
inline constexpr int HINT_PLUGIN_LOADED = 1;

// The plug-in commands the host runs through the guarded call. Each is the entry point of
// the same name; its value is that entry's place in kPluginEntryNames.
enum class PluginCommand {
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

// The document's view as the document sees it: the view attaches itself, and the document
// tells it what changed without knowing its class.
class IDocumentView {
public:
    // HINT_PLUGIN_LOADED: a library is loaded, complete or not, and waits for its StartUp.
    virtual void OnUpdate(int hint) = 0;
    // The document's title, for the caption of the window that shows the view.
    virtual void OnTitleChanged(const wxString& title) = 0;

protected:
    ~IDocumentView() = default;
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

    // Holds the executable, the plug-ins and Folivex.ini unless it cannot be written;
    // file-system bytes, no trailing '/'.
    std::string programDirectory;
    const std::string startupDirectory;

    // The view registers itself while it exists; nullptr detaches it.
    void AttachView(IDocumentView* view) { m_view = view; }
    bool HasView(const IDocumentView* view) const { return m_view == view; }

    // Reads Folivex.ini (the one beside the program while the user has none of their own),
    // retitles the window and loads the plug-in.
    void LoadHostSettings();
    // Writes the five keys; false when any of them could not be written.
    bool SaveHostSettings();
    // Folivex.ini in `programDirectory`, or in the user's configuration folder when
    // `programDirectory` is not writable (settings_location.h).
    std::string SettingsPath() const;
    // How SettingsPath tells; tests replace it, since they run with every permission.
    std::function<bool(const std::string& directory)> isWritableDirectory = IsWritableDirectory;

    // "ﾌﾟﾗｸﾞｲﾝを設定してください" while no plug-in is named, else the plug-in name.
    wxString GetTitleText() const;
    // Tells the view the title, for its window's caption.
    void UpdateTitle();

    // True when all thirteen entry points were bound. Unloads the current plug-in first.
    bool LoadPlugin();
    void UnloadPlugin();
    bool IsPluginLoaded() const { return m_plugin.IsLoaded(); }
    bool HasEntry(PluginCommand command) const;

    // The guarded call of a command: reports a missing plug-in or entry point, an
    // exception, a failure or an invalid result itself. True exactly when the entry point
    // answered PLUGIN_OK, so the caller does the command's follow-up.
    bool RunPluginCommand(PluginCommand command, IPluginList* list);

    // The view's answer to HINT_PLUGIN_LOADED: StartUp with `startupDirectory`.
    void StartPlugin(IPluginList* list);

private:
    int Invoke(PluginCommand command, IPluginList* list) const;

    IDocumentView* m_view = nullptr;
    PluginLoader m_plugin;
};

// `doc`, or nullptr after telling the user that there is none: every command that needs the
// document asks through here.
CFolivexDoc* RequireDocument(CFolivexDoc* doc);

// Runs `call` inside the catch-all. An exception is reported and gives nullopt.
std::optional<int> CallPluginGuarded(const std::function<int()>& call);
