// The about box: its caption, lines and button.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/testing.h>

#include "about_dialog.h"

namespace {

class ExpectAboutBox : public wxExpectModalBase<CAboutDialog, ExpectAboutBox> {
protected:
    int OnInvoked(CAboutDialog* dialog) const override {
        EXPECT_EQ(dialog->GetTitle().utf8_string(), "Folivex のﾊﾞｰｼﾞｮﾝ情報");
        std::vector<std::string> lines;
        for (const wxWindow* child : dialog->GetChildren()) {
            if (const auto* text = dynamic_cast<const wxStaticText*>(child)) {
                lines.push_back(text->GetLabel().utf8_string());
            }
        }
        EXPECT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines.at(0), "Folivex Version 0.9.1.2");
        const auto* ok = dynamic_cast<const wxButton*>(dialog->FindWindow(wxID_OK));
        EXPECT_NE(ok, nullptr);
        return wxID_OK;
    }
};

TEST(AboutBox, ShowsTheVersionAndAnOkButton) { wxTEST_DIALOG(ShowAboutBox(), ExpectAboutBox()); }

}  // namespace
