#include "html_progress_dialog.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/gauge.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include "dialog_layout.h"
#include "utf8_text.h"

CHtmlProgressDialog::CHtmlProgressDialog(wxWindow* parent) : m_parent(parent) {}

void CHtmlProgressDialog::SetRangeMax(int n) {
    if (n != 0) m_nRangeMax = n;
}

bool CHtmlProgressDialog::Create() {
    // Caption only: no system menu, so no close box.
    if (!wxDialog::Create(m_parent, wxID_ANY, U("HTML生成"), wxDefaultPosition, wxDefaultSize, wxCAPTION)) return false;
    SetFont(DialogFont());
    const auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    const auto size = [this](int width, int height) { return ConvertDialogToPixels(wxSize(width, height)); };
    m_progress = new wxGauge(this, wxID_ANY, m_nRangeMax, at(5, 5), size(175, 15));
    new wxStaticText(this, wxID_ANY, U("HTML生成中です。しばらくお待ちください・・・。"), at(5, 25), size(175, 8),
                     wxST_NO_AUTORESIZE);
    m_status = new wxStaticText(this, wxID_ANY, wxString(), at(5, 35), size(175, 8), wxST_NO_AUTORESIZE);
    SetClientSize(size(183, 49));
    Bind(wxEVT_CLOSE_WINDOW, &CHtmlProgressDialog::OnClose, this);
    m_progress->SetValue(0);
    CentreOnScreen();
    Show();
    Raise();
    Repaint();
    return true;
}

void CHtmlProgressDialog::SetStatusText(const wxString& text) {
    m_strStatus = text;
    TransferDataToWindow();
    Repaint();
}

void CHtmlProgressDialog::StepIt() {
    m_progress->SetValue(std::min(m_progress->GetValue() + kStep, m_progress->GetRange()));
    Repaint();
}

bool CHtmlProgressDialog::TransferDataToWindow() {
    m_status->SetLabel(m_strStatus);
    return wxDialog::TransferDataToWindow();
}

void CHtmlProgressDialog::OnClose(wxCloseEvent& event) {
    // The run ends the window itself; a window manager's close request must not.
    if (event.CanVeto()) event.Veto();
}

void CHtmlProgressDialog::Repaint() {
    Refresh();
    Update();
    // Only paint and size events are let through, and every other window is disabled
    // meanwhile, so no click or key reaches the host while the site is written.
    if (wxTheApp) wxTheApp->SafeYieldFor(this, wxEVT_CATEGORY_UI);
}
