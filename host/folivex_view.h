// The item list: a report list that fills the main window. The plug-in owns its columns
// and rows; the host routes the item commands, tracks the selection in the status bar and
// maps a few keys and mouse actions to commands.
#pragma once

#include <string>
#include <string_view>

#include <wx/listctrl.h>

#include "folivex/plugin.h"
#include "folivex_doc.h"
#include "list_rows.h"

class CFolivexView;
class wxMenu;

// The view's list as the plug-in sees it; texts are CP932.
class CViewList final : public IPluginList {
public:
    explicit CViewList(CFolivexView& view) : m_view(view) {}

    int InsertColumn(int column, std::string_view heading, ListColumnAlign align, int width) override;
    bool DeleteColumn(int column) override;
    int GetColumnCount() const override;
    int InsertItem(int position, std::string_view text) override;
    bool SetItemText(int item, int column, std::string_view text) override;
    std::string GetItemText(int item, int column) const override;
    bool DeleteItem(int item) override;
    bool DeleteAllItems() override;
    int GetItemCount() const override;
    int GetFirstSelectedItem() const override;
    void SetFullRowSelect(bool on) override;
    void SetSortAscending(bool on) override;

private:
    bool IsCell(int item, int column) const;

    CFolivexView& m_view;
    bool m_sortAscending = false;
};

// A virtual list: the rows live in the view as CP932 and become display text only when drawn,
// so a list of any length fills as fast as its rows can be stored.
class CFolivexView : public wxListCtrl, public IDocumentView {
public:
    // Attaches itself to `doc` while it exists.
    CFolivexView(wxWindow* parent, CFolivexDoc* doc);
    ~CFolivexView() override;

    IPluginList& GetPluginList() { return m_pluginList; }
    // The inner window that shows the rows and receives keys and clicks.
    wxWindow* GetRowsWindow() const { return m_rowsWindow; }

    // For HINT_PLUGIN_LOADED: the plug-in's StartUp. Other hints do nothing.
    void OnUpdate(int hint) override;
    // "<title> - Folivex" in the caption of the window that holds the view.
    void OnTitleChanged(const wxString& title) override;

    // "%d: %s" for the first selected row, else "ﾚﾃﾞｨ", in the frame's message pane.
    void UpdateSelectionStatus();
    // Every row, then every column: the list as a newly loaded plug-in expects it.
    void ResetListControl();

    int m_bCtrlDown = 0;

protected:
    // Shows the context menu at `position` (view coordinates); its commands come back to
    // the view. Tests replace it to choose an item without a real popup.
    virtual void TrackContextMenu(wxMenu& menu, const wxPoint& position);

private:
    friend class CViewList;

    wxString OnGetItemText(long item, long column) const override;

    // Row changes, keeping the control's count, selection and focus on the same rows.
    int InsertRow(int row, std::string_view text);
    bool DeleteRow(int row);
    void DeleteAllRows();

    void BindRowEvents(bool on);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnItemChanged(wxListEvent& event);

    // An item command through the guarded call; `updatesStatus`: the status bar follows the
    // selection after a success.
    void RunItemCommand(PluginCommand command, bool updatesStatus);
    void OnClearList(wxCommandEvent& event);
    void OnCreateHtml(wxCommandEvent& event);
    void OnBrowseHtml(wxCommandEvent& event);

    // Runs a command as the key filter or a mouse action would send it.
    void SendCommand(int id);
    void SetStatusText(const wxString& text);

    CFolivexDoc* m_doc;
    wxWindow* m_rowsWindow;
    ListRows m_rows;
    // False while the control certainly has no focused row (it gains one only with an event).
    bool m_mayHaveFocus = false;
    CViewList m_pluginList{*this};
};
