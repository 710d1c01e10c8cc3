#include "folivex_view.h"

#include <algorithm>

#include <wx/frame.h>
#include <wx/menu.h>

#include "cp932.h"
#include "cp932_wx.h"
#include "folivex_doc.h"
#include "host_messages.h"
#include "html_commands.h"
#include "main_frame.h"

namespace {

wxString Text(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

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

}  // namespace

CFolivexView::CFolivexView(wxWindow* parent, CFolivexDoc* doc)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN),
      m_doc(doc),
      m_rowsWindow(FindRowsWindow(this)) {
    if (m_doc != nullptr) {
        m_doc->SetView(this);
    }
    BindRowEvents(true);

    Bind(wxEVT_MENU, &CFolivexView::OnAddItem, this, HostCommand::AddItem);
    Bind(wxEVT_MENU, &CFolivexView::OnEditItem, this, HostCommand::EditItem);
    Bind(wxEVT_MENU, &CFolivexView::OnDeleteItem, this, HostCommand::DeleteItem);
    Bind(wxEVT_MENU, &CFolivexView::OnCopyItem, this, HostCommand::CopyItem);
    Bind(wxEVT_MENU, &CFolivexView::OnViewItem, this, HostCommand::ViewItem);
    Bind(wxEVT_MENU, &CFolivexView::OnSearchItem, this, HostCommand::SearchItem);
    Bind(wxEVT_MENU, &CFolivexView::OnClearList, this, HostCommand::ClearList);
    Bind(wxEVT_MENU, &CFolivexView::OnCreateHtml, this, HostCommand::CreateHTML);
    Bind(wxEVT_MENU, &CFolivexView::OnBrowseHtml, this, HostCommand::BrowseHTML);
}

CFolivexView::~CFolivexView() {
    // The base class still sends selection and focus events while it takes its rows down.
    BindRowEvents(false);
    if (m_doc != nullptr && m_doc->GetView() == this) {
        m_doc->SetView(nullptr);
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
    if (CFolivexDoc* doc = RequireDocument()) {
        doc->StartPlugin(this);
    }
}

CFolivexDoc* CFolivexView::RequireDocument() const {
    if (m_doc == nullptr) {
        ShowHostError(Text("内部処理エラーが発生しました。"));
    }
    return m_doc;
}

void CFolivexView::SetStatusText(const wxString& text) {
    wxFrame* frame = wxDynamicCast(GetParent(), wxFrame);
    if (frame != nullptr && frame->GetStatusBar() != nullptr) {
        frame->SetStatusText(text, 0);
    }
}

void CFolivexView::UpdateSelectionStatus() {
    const int selected = GetFirstSelectedItem();
    if (selected < 0) {
        SetStatusText(Text("ﾚﾃﾞｨ"));
        return;
    }
    SetStatusText(wxString::Format("%d: %s", selected + 1, wxListCtrl::GetItemText(selected, 0)));
}

void CFolivexView::ResetListControl() {
    wxListCtrl::DeleteAllItems();
    while (wxListCtrl::GetColumnCount() > 0) {
        wxListCtrl::DeleteColumn(0);
    }
}

// ---- the list as the plug-in sees it --------------------------------------------------

int CFolivexView::InsertColumn(int column, std::string_view heading, ListColumnAlign align, int width) {
    const long inserted =
        wxListCtrl::InsertColumn(column, cp932::ToWx(std::string(heading)), ColumnFormat(align), width);
    return static_cast<int>(inserted);
}

bool CFolivexView::DeleteColumn(int column) {
    return column >= 0 && column < wxListCtrl::GetColumnCount() && wxListCtrl::DeleteColumn(column);
}

int CFolivexView::GetColumnCount() const {
    return wxListCtrl::GetColumnCount();
}

int CFolivexView::SortedPosition(std::string_view text) const {
    // After the last row that does not sort after `text`, so equal names keep their order.
    int low = 0;
    int high = GetItemCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (cp932::CompareNames(text, GetItemText(middle, 0)) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

int CFolivexView::InsertItem(int position, std::string_view text) {
    // A report list holds rows only under columns; past the end means at the end.
    if (position < 0 || wxListCtrl::GetColumnCount() == 0) {
        return -1;
    }
    const int count = GetItemCount();
    const int at = m_sortAscending ? SortedPosition(text) : std::min(position, count);
    return static_cast<int>(wxListCtrl::InsertItem(at, cp932::ToWx(std::string(text))));
}

bool CFolivexView::SetItemText(int item, int column, std::string_view text) {
    if (item < 0 || item >= GetItemCount() || column < 0 || column >= wxListCtrl::GetColumnCount()) {
        return false;
    }
    return wxListCtrl::SetItem(item, column, cp932::ToWx(std::string(text)));
}

std::string CFolivexView::GetItemText(int item, int column) const {
    if (item < 0 || item >= GetItemCount() || column < 0 || column >= wxListCtrl::GetColumnCount()) {
        return {};
    }
    // Every cell text came in as CP932, so it always converts back.
    return cp932::FromWx(wxListCtrl::GetItemText(item, column)).value_or(std::string());
}

bool CFolivexView::DeleteItem(int item) {
    return item >= 0 && item < GetItemCount() && wxListCtrl::DeleteItem(item);
}

bool CFolivexView::DeleteAllItems() {
    return wxListCtrl::DeleteAllItems();
}

int CFolivexView::GetItemCount() const {
    return wxListCtrl::GetItemCount();
}

int CFolivexView::GetFirstSelectedItem() const {
    return static_cast<int>(GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

// The generic report list always highlights the whole row.
void CFolivexView::SetFullRowSelect(bool) {}

void CFolivexView::SetSortAscending(bool on) {
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
            SendCommand(HostCommand::DeleteItem);
            return;
        case WXK_CONTROL:
            m_bCtrlDown = 1;
            break;
        case WXK_INSERT:
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
        SetStatusText(Text("ﾚﾃﾞｨ"));
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
    menu.Append(HostCommand::AddItem, Text("追加"));
    menu.Append(HostCommand::EditItem, Text("編集"));
    menu.Append(HostCommand::DeleteItem, Text("削除"));
    menu.AppendSeparator();
    menu.Append(HostCommand::CopyItem, Text("ｺﾋﾟｰ"));
    menu.AppendSeparator();
    menu.Append(HostCommand::ViewItem, Text("詳細表示"));
    TrackContextMenu(menu, ScreenToClient(m_rowsWindow->ClientToScreen(event.GetPosition())));
}

void CFolivexView::TrackContextMenu(wxMenu& menu, const wxPoint& position) {
    PopupMenu(&menu, position);
}

void CFolivexView::OnItemChanged(wxListEvent& event) {
    UpdateSelectionStatus();
    event.Skip();
}

// ---- item and HTML commands ------------------------------------------------------------

void CFolivexView::OnAddItem(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument(); doc && doc->RunPluginCommand(PluginCommand::AddItem, this)) {
        UpdateSelectionStatus();
    }
}

void CFolivexView::OnEditItem(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument()) {
        doc->RunPluginCommand(PluginCommand::EditItem, this);
    }
}

void CFolivexView::OnDeleteItem(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument(); doc && doc->RunPluginCommand(PluginCommand::DeleteItem, this)) {
        UpdateSelectionStatus();
    }
}

void CFolivexView::OnCopyItem(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument()) {
        doc->RunPluginCommand(PluginCommand::CopyItem, this);
    }
}

void CFolivexView::OnViewItem(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument()) {
        doc->RunPluginCommand(PluginCommand::ViewItem, this);
    }
}

void CFolivexView::OnSearchItem(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument()) {
        doc->RunPluginCommand(PluginCommand::SearchItem, this);
    }
}

void CFolivexView::OnClearList(wxCommandEvent&) {
    CFolivexDoc* doc = RequireDocument();
    if (doc == nullptr) {
        return;
    }
    // Without a plug-in that can clear, the list is still the host's to empty.
    if (!doc->IsPluginLoaded() || !doc->HasEntry(PluginCommand::ClearList) ||
        doc->RunPluginCommand(PluginCommand::ClearList, this)) {
        DeleteAllItems();
    }
}

void CFolivexView::OnCreateHtml(wxCommandEvent&) {
    CFolivexDoc* doc = RequireDocument();
    if (doc != nullptr && doc->RunPluginCommand(PluginCommand::CreateHTML, this) && doc->BrowseHTMLAfterCreate == 1) {
        BrowseHtml(doc);
    }
}

void CFolivexView::OnBrowseHtml(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument()) {
        BrowseHtml(doc);
    }
}
