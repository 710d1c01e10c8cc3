// The small modeless window shown while the site is generated: a bar, a fixed notice and
// one status line. It has no close box; the run closes it.
#pragma once

#include <wx/dialog.h>

class wxGauge;
class wxStaticText;

class CHtmlProgressDialog : public wxDialog {
public:
    explicit CHtmlProgressDialog(wxWindow* parent = nullptr);

    // Must come before Create; 0 is ignored.
    void SetRangeMax(int n);
    // Builds the window, centred and shown, bar at 0.
    bool Create();

    void SetStatusText(const wxString& text);
    void StepIt();

    bool TransferDataToWindow() override;

private:
    void OnClose(wxCloseEvent& event);
    // Paints the window now, letting no user input through.
    void Repaint();

    wxWindow* m_parent;
    wxGauge* m_progress = nullptr;
    wxStaticText* m_status = nullptr;
    wxString m_strStatus;
    int m_nRangeMax = 0;
    // The bar's own default step.
    static constexpr int kStep = 10;
};
