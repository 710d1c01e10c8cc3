// The host option sheet: what OK stores and reloads, and what the fields refuse.
#include <wx/bookctrl.h>
#include <wx/textctrl.h>

#include "../sheet_test_support.h"
#include "host_test_support.h"
#include "option_sheet.h"

using ExpectOptionSheet = UserAt<COptionPropertySheet>;

// OK on the plug-in page (whose leave check OK runs), after typing `name` when given.
static ExpectOptionSheet OkOnPluginPage(const char* name = nullptr) {
    return ExpectOptionSheet([name](COptionPropertySheet& sheet) {
        sheet.GetBookCtrl()->SetSelection(1);
        if (name != nullptr) sheet.GetPluginPage()->m_editPluginName->SetValue(name);
        return PressOK(sheet);
    });
}

TEST_F(HostFrameTest, OkReloadsOnlyAPluginWhoseNameBytesChanged) {
    // 0x87 0x9A reads as a character whose own encoding is 0x81 0xE6.
    doc->PluginName = "\x87\x9A.so";
    wxTEST_DIALOG(Command(HostCommand::Options), OkOnPluginPage());
    EXPECT_TRUE(Calls().empty());
    EXPECT_NE(SettingsFile().find("PluginName=\x87\x9A.so\r\n"), std::string::npos);

    // A change of letter case names another library on this file system.
    std::filesystem::copy_file(scratch.File("RecordingPlugin.so"), scratch.File("recordingPlugin.so"));
    wxTEST_DIALOG(Command(HostCommand::Options), OkOnPluginPage("recordingPlugin.so"));
    // The new plug-in starts on a list with no columns and no rows.
    EXPECT_EQ(Calls(), (std::vector<std::string>{"CleanUp", "StartUp\t" + startDirectory + "\t0\t0"}));
    EXPECT_EQ(frame->GetTitle(), "recordingPlugin.so - Folivex");
    EXPECT_NE(SettingsFile().find("PluginName=recordingPlugin.so\r\n"), std::string::npos);
}

TEST_F(HostFrameTest, EmptyPluginNameIsRefusedAndCancelWritesNothing) {
    wxTEST_DIALOG(Command(HostCommand::Options), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      sheet.GetHtmlPage()->m_editOutDirectory->SetValue("/srv/other");
                      sheet.GetBookCtrl()->SetSelection(1);
                      sheet.GetPluginPage()->m_editPluginName->SetValue("");
                      // Leaving the page by its tab runs the same check; the plug-in's sheet tests that.
                      wxTEST_DIALOG(EXPECT_EQ(PressOK(sheet), wxID_NONE),
                                    ExpectHostMessage("プラグイン名称を設定してください。"));
                      return wxID_CANCEL;
                  }));
    EXPECT_TRUE(doc->HTMLOutDirectory.empty());
    EXPECT_FALSE(std::filesystem::exists(scratch.File("Folivex.ini")));
}

TEST_F(HostFrameTest, ChosenRootLikeDirectoryTakesEffectEvenUnsaved) {
    shell.folder = "/srv/root/";
    // A directory in the settings file's place makes the write fail.
    std::filesystem::create_directory(scratch.File("Folivex.ini"));
    wxTEST_DIALOG(Command(HostCommand::Options), ExpectOptionSheet([](COptionPropertySheet& sheet) {
                      Press(sheet.GetHtmlPage(), 1001);
                      sheet.GetHtmlPage()->m_editIndexFileName->SetValue("index.html");
                      return PressOK(sheet);
                  }),
                  ExpectHostMessage("オプションの保存に失敗しました。"));
    EXPECT_EQ(doc->HTMLOutDirectory + doc->HTMLIndexFileName, "/srv/root/index.html");
}

TEST_F(HostFrameTest, TheChosenPluginGivesItsBareName) {
    COptionPropertySheet sheet(frame);
    shell.file = shell::ChosenFile{"/usr/lib/folivex/Barvella.so", "Barvella.so"};
    Press(sheet.GetPluginPage(), 1007);
    EXPECT_EQ(sheet.GetPluginPage()->m_editPluginName->GetValue(), "Barvella.so");
}

TEST_F(HostFrameTest, FieldsRefuseWhatTheSettingsCannotHold) {
    COptionPropertySheet sheet(frame);
    COptionHtmlPropertyPage* page = sheet.GetHtmlPage();
    // A folder name may hold what no setting can.
    shell.folder = "/srv/new\nline";
    wxTEST_DIALOG(Press(page, 1001),
                  ExpectHostMessage("「HTML出力ディレクトリ」に改行などの制御文字は使用できません。"));
    EXPECT_EQ(page->m_editOutDirectory->GetValue(), "");
    page->m_editOutDirectory->SetValue(L"/srv/\U0001F378");
    wxTEST_DIALOG(EXPECT_FALSE(sheet.LeaveCurrentPage()),
                  ExpectHostMessage("「HTML出力ディレクトリ」に Shift-JIS で表せない文字が含まれています。"));
    page->m_editOutDirectory->SetValue("/srv");
    page->m_editIndexFileName->SetValue(wxString(129, wxUniChar(0x3042)));
    wxTEST_DIALOG(EXPECT_FALSE(sheet.LeaveCurrentPage()),
                  ExpectHostMessage("「インデックスファイル名称」は 256 バイト以内で入力してください。"));
    // The entry page stays inside the output directory; which names leave it the generation
    // tests show.
    page->m_editIndexFileName->SetValue("../index.html");
    wxTEST_DIALOG(EXPECT_FALSE(sheet.LeaveCurrentPage()),
                  ExpectHostMessage("「インデックスファイル名称」には HTML出力ディレクトリの中のファイル名を"
                                    "入力してください。「/」「\\」と「..」は使用できません。"));
}
