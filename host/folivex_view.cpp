#include "folivex_view.h"

#include <algorithm>

#include <wx/frame.h>
#include <wx/menu.h>

#include "cp932_wx.h"
#include "host_commands.h"
#include "html_commands.h"
#include "utf8_text.h"

namespace {

int ColumnFormat(ListColumnAlign align) {
    switch (align) {
        case ListColumnAlign::Center:
            return wxLIST_FORMAT_CENTRE;
        case ListColumnAlign::Right:
            return wxLIST_FORMAT_RIGHT;
        case ListColumnAlign::Left:
            break;
    }
    return wxLIST_FORMAT_LEFT;
}

// The generic list control draws its rows, and takes keys and clicks, in an inner window:
// the one child that accepts the focus (the other is the column header).
wxWindow* FindRowsWindow(wxWindow* list) {
    for (wxWindow* child : list->GetChildren()) {
        if (child->AcceptsFocus()) {
            return child;
        }
    }
    return list;
}

// The item commands that only call their entry point; adding and deleting move the selection,
// so the status bar follows it after them.
struct ItemCommand {
    int id;
    PluginCommand command;
    bool updatesStatus;
};

constexpr ItemCommand kItemCommands[] = {
    {HostCommand::AddItem, PluginCommand::AddItem, true},
    {HostCommand::EditItem, PluginCommand::EditItem, false},
    {HostCommand::DeleteItem, PluginCommand::DeleteItem, true},
    {HostCommand::CopyItem, PluginCommand::CopyItem, false},
    {HostCommand::ViewItem, PluginCommand::ViewItem, false},
    {HostCommand::SearchItem, PluginCommand::SearchItem, false},
};

}  // namespace

CFolivexView::CFolivexView(wxWindow* parent, CFolivexDoc* doc)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxBORDER_SUNKEN),
      m_doc(doc),
      m_rowsWindow(FindRowsWindow(this)) {
    if (m_doc != nullptr) {
        m_doc->AttachView(this);
    }
    BindRowEvents(true);

    for (const ItemCommand& item : kItemCommands) {
        Bind(
            wxEVT_MENU, [this, item](wxCommandEvent&) { RunItemCommand(item.command, item.updatesStatus); }, item.id);
    }
    Bind(wxEVT_MENU, &CFolivexView::OnClearList, this, HostCommand::ClearList);
    Bind(wxEVT_MENU, &CFolivexView::OnCreateHtml, this, HostCommand::CreateHTML);
    Bind(wxEVT_MENU, &CFolivexView::OnBrowseHtml, this, HostCommand::BrowseHTML);
}

CFolivexView::~CFolivexView() {
    // The base class still sends selection and focus events while it takes its rows down.
    BindRowEvents(false);
    if (m_doc != nullptr && m_doc->HasView(this)) {
        m_doc->AttachView(nullptr);
    }
}

void CFolivexView::BindRowEvents(bool on) {
    const auto bind = [on](wxEvtHandler* handler, const auto& type, auto method, CFolivexView* view) {
        if (on) {
            handler->Bind(type, method, view);
        } else {
            handler->Unbind(type, method, view);
        }
    };
    bind(m_rowsWindow, wxEVT_KEY_DOWN, &CFolivexView::OnKeyDown, this);
    bind(m_rowsWindow, wxEVT_KEY_UP, &CFolivexView::OnKeyUp, this);
    bind(m_rowsWindow, wxEVT_LEFT_DOWN, &CFolivexView::OnLeftDown, this);
    bind(m_rowsWindow, wxEVT_LEFT_DCLICK, &CFolivexView::OnLeftDoubleClick, this);
    bind(m_rowsWindow, wxEVT_RIGHT_DOWN, &CFolivexView::OnRightDown, this);
    bind(this, wxEVT_LIST_ITEM_SELECTED, &CFolivexView::OnItemChanged, this);
    bind(this, wxEVT_LIST_ITEM_DESELECTED, &CFolivexView::OnItemChanged, this);
    bind(this, wxEVT_LIST_ITEM_FOCUSED, &CFolivexView::OnItemChanged, this);
}

void CFolivexView::OnUpdate(int hint) {
    if (hint != HINT_PLUGIN_LOADED) {
        return;
    }
    if (CFolivexDoc* doc = RequireDocument(m_doc)) {
        doc->StartPlugin(&m_pluginList);
    }
}

void CFolivexView::OnTitleChanged(const wxString& title) {
    if (wxTopLevelWindow* window = wxDynamicCast(wxGetTopLevelParent(this), wxTopLevelWindow)) {
        window->SetTitle(title + " - Folivex");
    }
}

void CFolivexView::SetStatusText(const wxString& text) {
    wxFrame* frame = wxDynamicCast(GetParent(), wxFrame);
    if (frame != nullptr && frame->GetStatusBar() != nullptr) {
        frame->SetStatusText(text, 0);
    }
}

void CFolivexView::UpdateSelectionStatus() {
    const int selected = m_pluginList.GetFirstSelectedItem();
    if (selected < 0) {
        SetStatusText(U("ﾚﾃﾞｨ"));
        return;
    }
    SetStatusText(wxString::Format("%d: %s", selected + 1, cp932::ToWx(m_rows.Cell(selected, 0))));
}

void CFolivexView::ResetListControl() {
    DeleteAllRows();
    while (GetColumnCount() > 0) {
        DeleteColumn(0);
        m_rows.EraseColumn(0);
    }
}

wxString CFolivexView::OnGetItemText(long item, long column) const {
    return cp932::ToWx(m_rows.Cell(static_cast<std::size_t>(item), static_cast<std::size_t>(column)));
}

// ---- rows ----------------------------------------------------------------------------

int CFolivexView::InsertRow(int row, std::string_view text) {
    // Selection and focus are the control's, by row number. Only a focus that may exist is
    // looked for: the search walks the rows, which a fill of thousands cannot afford.
    const long focused = m_mayHaveFocus ? GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED) : -1;
    m_mayHaveFocus = focused >= 0;
    const bool selected = focused >= 0 && GetItemState(focused, wxLIST_STATE_SELECTED) != 0;
    m_rows.Insert(static_cast<std::size_t>(row), text, static_cast<std::size_t>(GetColumnCount()));
    SetItemCount(static_cast<long>(m_rows.Count()));
    if (focused >= row) {
        // The rows below moved down; their selection and focus go with them, unannounced, as
        // in a list that holds its rows itself.
        wxEventBlocker quiet(this, wxEVT_LIST_ITEM_SELECTED);
        quiet.Block(wxEVT_LIST_ITEM_DESELECTED);
        quiet.Block(wxEVT_LIST_ITEM_FOCUSED);
        const long state = wxLIST_STATE_FOCUSED | (selected ? wxLIST_STATE_SELECTED : 0);
        SetItemState(focused + 1, state, state);
    }
    return row;
}

bool CFolivexView::DeleteRow(int row) {
    // The control announces the deletion with the row's texts, so they go afterwards.
    if (!DeleteItem(row)) return false;
    m_rows.Erase(static_cast<std::size_t>(row));
    return true;
}

void CFolivexView::DeleteAllRows() {
    DeleteAllItems();
    m_rows.Clear();
    m_mayHaveFocus = false;
}

// ---- the list as the plug-in sees it --------------------------------------------------

int CViewList::InsertColumn(int column, std::string_view heading, ListColumnAlign align, int width) {
    const long inserted = m_view.InsertColumn(column, cp932::ToWx(std::string(heading)), ColumnFormat(align), width);
    if (inserted >= 0) m_view.m_rows.InsertColumn(static_cast<std::size_t>(inserted));
    return static_cast<int>(inserted);
}

bool CViewList::DeleteColumn(int column) {
    if (column < 0 || column >= GetColumnCount() || !m_view.DeleteColumn(column)) return false;
    m_view.m_rows.EraseColumn(static_cast<std::size_t>(column));
    return true;
}

int CViewList::GetColumnCount() const {
    return m_view.GetColumnCount();
}

bool CViewList::IsCell(int item, int column) const {
    return item >= 0 && item < GetItemCount() && column >= 0 && column < GetColumnCount();
}

int CViewList::InsertItem(int position, std::string_view text) {
    // A report list holds rows only under columns; past the end means at the end.
    if (position < 0 || GetColumnCount() == 0) {
        return -1;
    }
    const int count = GetItemCount();
    const int at = m_sortAscending ? static_cast<int>(m_view.m_rows.SortedPosition(text)) : std::min(position, count);
    return m_view.InsertRow(at, text);
}

bool CViewList::SetItemText(int item, int column, std::string_view text) {
    if (!IsCell(item, column)) {
        return false;
    }
    m_view.m_rows.SetCell(static_cast<std::size_t>(item), static_cast<std::size_t>(column), text);
    m_view.RefreshItem(item);
    return true;
}

std::string CViewList::GetItemText(int item, int column) const {
    if (!IsCell(item, column)) {
        return {};
    }
    return m_view.m_rows.Cell(static_cast<std::size_t>(item), static_cast<std::size_t>(column));
}

bool CViewList::DeleteItem(int item) {
    return item >= 0 && item < GetItemCount() && m_view.DeleteRow(item);
}

bool CViewList::DeleteAllItems() {
    m_view.DeleteAllRows();
    return true;
}

int CViewList::GetItemCount() const {
    return static_cast<int>(m_view.m_rows.Count());
}

int CViewList::GetFirstSelectedItem() const {
    return static_cast<int>(m_view.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

// The generic report list always highlights the whole row.
void CViewList::SetFullRowSelect(bool) {}

void CViewList::SetSortAscending(bool on) {
    m_sortAscending = on;
}

// ---- keys and mouse --------------------------------------------------------------------

void CFolivexView::SendCommand(int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(this);
    ProcessWindowEvent(command);
}

void CFolivexView::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            SendCommand(m_bCtrlDown == 1 ? HostCommand::EditItem : HostCommand::ViewItem);
            m_bCtrlDown = 0;
            return;
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
            SendCommand(HostCommand::DeleteItem);
            return;
        case WXK_CONTROL:
            m_bCtrlDown = 1;
            break;
        case WXK_INSERT:
        case WXK_NUMPAD_INSERT:
            SendCommand(HostCommand::AddItem);
            break;
        default:
            break;
    }
    event.Skip();
}

void CFolivexView::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_CONTROL) {
        m_bCtrlDown = 0;
    }
    event.Skip();
}

void CFolivexView::OnLeftDown(wxMouseEvent& event) {
    int flags = 0;
    if (HitTest(event.GetPosition(), flags) == wxNOT_FOUND) {
        SetStatusText(U("ﾚﾃﾞｨ"));
    }
    event.Skip();
}

void CFolivexView::OnLeftDoubleClick(wxMouseEvent& event) {
    int flags = 0;
    if (HitTest(event.GetPosition(), flags) != wxNOT_FOUND) {
        SendCommand(HostCommand::ViewItem);
    }
    event.Skip();
}

void CFolivexView::OnRightDown(wxMouseEvent& event) {
    int flags = 0;
    const long row = HitTest(event.GetPosition(), flags);
    if (row != wxNOT_FOUND) {
        SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        SetItemState(row, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    }
    wxMenu menu;
    menu.Append(HostCommand::AddItem, U("追加"));
    menu.Append(HostCommand::EditItem, U("編集"));
    menu.Append(HostCommand::DeleteItem, U("削除"));
    menu.AppendSeparator();
    menu.Append(HostCommand::CopyItem, U("ｺﾋﾟｰ"));
    menu.AppendSeparator();
    menu.Append(HostCommand::ViewItem, U("詳細表示"));
    TrackContextMenu(menu, ScreenToClient(m_rowsWindow->ClientToScreen(event.GetPosition())));
}

void CFolivexView::TrackContextMenu(wxMenu& menu, const wxPoint& position) {
    PopupMenu(&menu, position);
}

void CFolivexView::OnItemChanged(wxListEvent& event) {
    m_mayHaveFocus = true;
    UpdateSelectionStatus();
    event.Skip();
}

// ---- item and HTML commands ------------------------------------------------------------

void CFolivexView::RunItemCommand(PluginCommand command, bool updatesStatus) {
    CFolivexDoc* doc = RequireDocument(m_doc);
    if (doc != nullptr && doc->RunPluginCommand(command, &m_pluginList) && updatesStatus) {
        UpdateSelectionStatus();
    }
}

void CFolivexView::OnClearList(wxCommandEvent&) {
    CFolivexDoc* doc = RequireDocument(m_doc);
    if (doc == nullptr) {
        return;
    }
    // Without a plug-in that can clear, the list is still the host's to empty.
    if (!doc->IsPluginLoaded() || !doc->HasEntry(PluginCommand::ClearList) ||
        doc->RunPluginCommand(PluginCommand::ClearList, &m_pluginList)) {
        DeleteAllRows();
    }
}

void CFolivexView::OnCreateHtml(wxCommandEvent&) {
    CFolivexDoc* doc = RequireDocument(m_doc);
    if (doc != nullptr && doc->RunPluginCommand(PluginCommand::CreateHTML, &m_pluginList) &&
        doc->BrowseHTMLAfterCreate == 1) {
        BrowseHtml(*doc);
    }
}

void CFolivexView::OnBrowseHtml(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument(m_doc)) {
        BrowseHtml(*doc);
    }
}
