#include <filesystem>

#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/textctrl.h>

#include "../sheet_test_support.h"
#include "host_test_support.h"
#include "option_sheet.h"

namespace {

using ExpectOptionSheet = ExpectSheet<COptionPropertySheet>;

TEST_F(HostFrameTest, OkWithoutChangesKeepsPluginAndStoredBytes) {
    // 0x87 0x9A reads as a character whose own encoding is 0x81 0xE6.
    doc->PluginName = "\x87\x9A.so";
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetBookCtrl()->SetSelection(1);
                      return PressOK(sheet);
                  }));
    EXPECT_TRUE(CallNames().empty());
    EXPECT_EQ(view->GetItemCount(), 4);
    EXPECT_EQ(doc->PluginName, "\x87\x9A.so");
    EXPECT_NE(SettingsFile().find("PluginName=\x87\x9A.so\r\n"), std::string::npos);
}

TEST_F(HostFrameTest, LetterCaseChangeResetsListAndReloads) {
    // A second name for the library, so the changed name has something to load.
    std::filesystem::copy_file(InProgramDirectory("RecordingPlugin.so"), InProgramDirectory("recordingPlugin.so"));
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetBookCtrl()->SetSelection(1);
                      sheet.GetPluginPage()->m_editPluginName->SetValue("recordingPlugin.so");
                      return PressOK(sheet);
                  }));
    // The new plug-in starts on a list with no columns and no rows.
    EXPECT_EQ(Calls(), (std::vector<std::string>{"CleanUp", "StartUp\t/start/directory\t0\t0"}));
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
    EXPECT_TRUE(CallNames().empty());
    EXPECT_FALSE(std::filesystem::exists(InProgramDirectory("Folivex.ini")));
}

TEST_F(HostFrameTest, ChosenRootLikeDirectoryTakesEffectEvenUnsaved) {
    shell.folder = "/srv/root/";
    MakeSettingsUnwritable();
    wxTEST_DIALOG(Command(32783), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      Press(sheet.GetHtmlPage(), 1001);
                      sheet.GetHtmlPage()->m_editIndexFileName->SetValue("index.html");
                      return PressOK(sheet);
                  }),
                  ExpectHostMessage("オプションの保存に失敗しました。"));
    EXPECT_EQ(shell.folderTitles, std::vector<wxString>{U("HTML出力ディレクトリの検索")});
    // A directory that ends in the separator gives a doubled one.
    Command(32772);
    EXPECT_EQ(shell.opened, std::vector<wxString>{"/srv/root//index.html"});
}

TEST_F(HostFrameTest, FieldsTakeChosenFilesAndRefuseWhatTheSettingsCannotHold) {
    COptionPropertySheet sheet(frame);
    shell.file = shell::ChosenFile{"/usr/lib/folivex/Barvella.so", "Barvella.so"};
    sheet.SetPluginName("");
    sheet.TransferDataToWindow();
    Press(sheet.GetPluginPage(), 1007);
    EXPECT_EQ(sheet.GetPluginPage()->m_editPluginName->GetValue(), "Barvella.so");
    EXPECT_EQ(shell.fileChoices.at(0).wildcard, "SO Files (*.so)|*.so");

    COptionHtmlPropertyPage* page = sheet.GetHtmlPage();
    // A folder name may hold what no setting can.
    shell.folder = "/srv/new\nline";
    wxTEST_DIALOG(Press(page, 1001),
                  ExpectHostMessage("「HTML出力ディレクトリ」に改行などの制御文字は使用できません。"));
    shell.folder = U("/srv/\U0001F378");
    wxTEST_DIALOG(Press(page, 1001),
                  ExpectHostMessage("「HTML出力ディレクトリ」に Shift-JIS で表せない文字が含まれています。"));
    EXPECT_EQ(page->m_editOutDirectory->GetValue(), "");
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

}  // namespace
