#include <functional>

#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "frame_test_support.h"
#include "option_sheet.h"

using namespace frame_test;

namespace {

// The Options command's sheet, driven by the test in place of the user. Showing it would
// fill the controls first, so that happens here too.
class ExpectOptionSheet : public wxExpectModalBase<COptionPropertySheet, ExpectOptionSheet> {
public:
    explicit ExpectOptionSheet(std::function<int(COptionPropertySheet&)> user) : m_user(std::move(user)) {}

protected:
    int OnInvoked(COptionPropertySheet* sheet) const override {
        sheet->TransferDataToWindow();
        return m_user(*sheet);
    }

private:
    std::function<int(COptionPropertySheet&)> m_user;
};

// What pressing OK would return.
int PressOK(COptionPropertySheet& sheet) { return sheet.LeaveCurrentPage() ? wxID_OK : wxID_NONE; }

void Press(wxWindow* page, int button) {
    wxCommandEvent event(wxEVT_BUTTON, button);
    page->GetEventHandler()->ProcessEvent(event);
}

TEST_F(HostFrameTest, OkWithoutChangesKeepsPluginAndStoredBytes) {
    // 0x87 0x9A reads as a character whose own encoding is 0x81 0xE6.
    doc->PluginName = "\x87\x9A.so";
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetBookCtrl()->SetSelection(1);
                      return PressOK(sheet);
                  }));
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(frame->GetView()->GetItemCount(), 4);
    EXPECT_EQ(doc->PluginName, "\x87\x9A.so");
    EXPECT_NE(SettingsFile().find("PluginName=\x87\x9A.so\r\n"), std::string::npos);
}

TEST_F(HostFrameTest, LetterCaseChangeResetsListAndReloads) {
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetBookCtrl()->SetSelection(1);
                      sheet.GetPluginPage()->m_editPluginName->SetValue("recordingPlugin.so");
                      return PressOK(sheet);
                  }));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"CleanUp", "StartUp"}));
    std::ifstream log(LogPath());
    std::string cleanUp, startUp;
    std::getline(log, cleanUp);
    std::getline(log, startUp);
    EXPECT_EQ(startUp, "StartUp\t" + dir.string() + "\t0\t0");
    EXPECT_EQ(frame->GetTitle(), "recordingPlugin.so - Folivex");
    EXPECT_NE(SettingsFile().find("PluginName=recordingPlugin.so\r\n"), std::string::npos);
}

TEST_F(HostFrameTest, EmptyPluginNameIsRefusedAndCancelWritesNothing) {
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetHtmlPage()->m_editOutDirectory->SetValue("/srv/other");
                      sheet.GetBookCtrl()->SetSelection(1);
                      sheet.GetPluginPage()->m_editPluginName->SetValue("");
                      const char* refusal = "プラグイン名称を設定してください。";
                      wxTEST_DIALOG(EXPECT_EQ(PressOK(sheet), wxID_NONE), ExpectHostMessage(refusal));
                      wxTEST_DIALOG(sheet.GetBookCtrl()->SetSelection(0), ExpectHostMessage(refusal));
                      wxTheApp->ProcessPendingEvents();
                      EXPECT_EQ(sheet.GetBookCtrl()->GetSelection(), 1);
                      return wxID_CANCEL;
                  }));
    EXPECT_TRUE(doc->HTMLOutDirectory.empty());
    EXPECT_EQ(doc->PluginName, "RecordingPlugin.so");
    EXPECT_TRUE(Calls().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Folivex.ini"));
}

TEST_F(HostFrameTest, ChosenRootLikeDirectoryDoublesTheSeparatorInBrowse) {
    shell.folder = "/srv/root/";
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      Press(sheet.GetHtmlPage(), 1001);
                      sheet.GetHtmlPage()->m_editIndexFileName->SetValue("index.html");
                      return PressOK(sheet);
                  }));
    EXPECT_EQ(shell.folderTitles, std::vector<wxString>{U("HTML出力ディレクトリの検索")});
    Command(32772);
    EXPECT_EQ(shell.opened, std::vector<wxString>{"/srv/root//index.html"});
}

TEST_F(HostFrameTest, ChoosersFillTheirFields) {
    COptionPropertySheet sheet(frame);
    shell.file = shell::ChosenFile{"/usr/lib/folivex/Barvella.so", "Barvella.so"};
    sheet.SetPluginName("");
    sheet.TransferDataToWindow();
    Press(sheet.GetPluginPage(), 1007);
    Press(sheet.GetHtmlPage(), 1004);
    EXPECT_EQ(sheet.GetPluginPage()->m_editPluginName->GetValue(), "Barvella.so");
    EXPECT_EQ(sheet.GetHtmlPage()->m_editEditorPath->GetValue(), "/usr/lib/folivex/Barvella.so");
    ASSERT_EQ(shell.fileChoices.size(), 2u);
    EXPECT_EQ(shell.fileChoices[0].wildcard, "SO Files (*.so)|*.so");
    EXPECT_EQ(shell.fileChoices[1].wildcard, "All Files (*)|*");
}

TEST_F(HostFrameTest, FieldsRefuseTextTheSettingsCannotHold) {
    COptionPropertySheet sheet(frame);
    sheet.TransferDataToWindow();
    COptionHtmlPropertyPage* page = sheet.GetHtmlPage();
    page->m_editOutDirectory->SetValue(U("/srv/\U0001F378"));
    wxTEST_DIALOG(EXPECT_FALSE(sheet.LeaveCurrentPage()),
                  ExpectHostMessage("「HTML出力ディレクトリ」に Shift-JIS で表せない文字が含まれています。"));
    page->m_editOutDirectory->SetValue("/srv");
    page->m_editIndexFileName->SetValue(wxString(129, wxUniChar(0x3042)));
    wxTEST_DIALOG(EXPECT_FALSE(sheet.LeaveCurrentPage()),
                  ExpectHostMessage("「インデックスファイル名称」は 256 バイト以内で入力してください。"));
    HtmlSettings settings;
    sheet.GetHtmlSettings(settings);
    EXPECT_TRUE(settings.outDirectory.empty());
}

TEST_F(HostFrameTest, FailedSaveAfterOkKeepsTheNewSettings) {
    MakeSettingsUnwritable();
    wxTEST_DIALOG(Command(32783),
                  ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetHtmlPage()->m_checkBrowseAfterCreate->SetValue(true);
                      return PressOK(sheet);
                  }),
                  ExpectHostMessage("オプションの保存に失敗しました。"));
    EXPECT_EQ(doc->BrowseHTMLAfterCreate, 1);
}

}  // namespace
