#include <algorithm>
#include <cstring>

#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/filefn.h>
#include <wx/listbook.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>

#include "shell_seams.h"

#include "options/barvella_option.h"
#include "records_test_support.h"

using testsupport::ReadFile;
using testsupport::Sjis;
using ExpectOptionSheet = UserAt<CBarvellaOption>;
using PluginOptionTest = HostFrameTest;

constexpr const char* kQuoteRefusal = "\" は使用できません。";

// A warning raised in a page. GTK owns a dialog by a top-level window: the sheet on display.
ExpectMessageBox ExpectWarning(const char* text, wxWindow* page) {
    return ExpectPluginMessage(text, wxGetTopLevelParent(page));
}

TEST_F(PluginOptionTest, OnlyOkChangesSettingsUnopenedPagesKeepTheirValuesAndTheFileWaitsForCleanUp) {
    // Every key in save order, so clean-up rewrites the file byte for byte unless a value changed.
    const std::string settings = Sjis(
        "[DESIGN]\r\nBACKGROUND=back.gif\r\nBGCOLOR=#FFFFF0\r\nFRAMEBORDER=1\r\nFRAMESPACING=3\r\nFRAMERESIZE=1\r\n"
        "BORDERCOLOR=navy\r\n[TITLE]\r\nTITLECOLOR=#800000\r\nTITLESIZE=+2\r\nTITLEFACE=serif\r\n"
        "WINDOWTITLE=夜のカクテル\r\n[FONT]\r\nTEXTCOLOR=black\r\nFONTSIZE=3\r\nFONTFACE=sans\r\nLINKCOLOR=blue\r\n"
        "ALINKCOLOR=red\r\nVLINKCOLOR=purple\r\n[FILE]\r\nALPHABET=1\r\nBASEPAGE=0\r\nSTYLEPAGE=0\r\n"
        "STRONGPAGE=1\r\nTASTEPAGE=0\r\nMASTERPAGE=1\r\nALLPAGE=0\r\n[USER]\r\nUSERNAME=山田\r\n"
        "USERMAIL=yamada@example.jp\r\n[URL]\r\nURLTOPPAGE=http://example.jp/\r\nURLIMAGES=img/\r\n");
    testsupport::WriteFile(dir.File("Barvella.ini"), settings);
    testsupport::WriteFile(dir.File("BarvellaTC.fvxcmt"), "<P>old</P>");
    ASSERT_EQ(StartUp(&list, dir.path.c_str()), PLUGIN_OK);

    wxTEST_DIALOG(EXPECT_EQ(Option(), PLUGIN_OK), ExpectOptionSheet([](CBarvellaOption& sheet) {
                      sheet.m_pageDesign->m_editBorderColor->SetValue("red");
                      sheet.GetBookCtrl()->SetSelection(4);
                      sheet.m_pageUser->m_editUserName->SetValue("x");
                      return wxID_CANCEL;
                  }));
    // The boxes go by meaning, and the comment's lines are stored ending in CR LF.
    wxTEST_DIALOG(Option(), ExpectOptionSheet([](CBarvellaOption& sheet) {
                      sheet.GetBookCtrl()->SetSelection(3);
                      CPluginOptionFile* page = sheet.m_pageFile;
                      const auto box = [page](const char* label) {
                          return static_cast<wxCheckBox*>(wxWindow::FindWindowByLabel(U(label), page));
                      };
                      EXPECT_FALSE(box("スタイル別ページ")->GetValue());
                      EXPECT_TRUE(box("アルコール強度別ページ")->GetValue());
                      for (wxWindow* child : page->GetChildren())
                          if (auto* each = dynamic_cast<wxCheckBox*>(child)) each->SetValue(false);
                      wxTEST_DIALOG(EXPECT_EQ(PressOK(sheet), wxID_NONE),
                                    ExpectWarning("生成するファイルを一つ以上選択してください。", page));
                      box("スタイル別ページ")->SetValue(true);
                      sheet.GetBookCtrl()->SetSelection(6);
                      sheet.m_pageComment->m_editComment->SetValue(U("<B>乾杯</B>\nふたつめ\n"));
                      // A classic workspace has no site style key yet.
                      sheet.GetBookCtrl()->SetSelection(7);
                      EXPECT_TRUE(sheet.m_pageSite->m_radioClassic->GetValue());
                      sheet.m_pageSite->m_radioModern->SetValue(true);
                      return PressOK(sheet);
                  }));
    // Opened on the first page only: the seven others keep what they hold.
    wxTEST_DIALOG(Option(), ExpectOptionSheet([this](CBarvellaOption& sheet) {
                      EXPECT_EQ(sheet.GetParent(), frame);
                      sheet.m_pageDesign->m_editBgColor->SetValue("#FF0000");
                      return PressOK(sheet);
                  }));
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")), settings);
    EXPECT_EQ(CleanUp(), PLUGIN_OK);
    std::string changed = settings;
    for (auto [from, to] : {std::pair{"#FFFFF0", "#FF0000"},
                            {"ALPHABET=1", "ALPHABET=0"},
                            {"STYLEPAGE=0", "STYLEPAGE=1"},
                            {"STRONGPAGE=1", "STRONGPAGE=0"},
                            {"MASTERPAGE=1", "MASTERPAGE=0"}})
        changed.replace(changed.find(from), std::strlen(from), to);
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")), changed + "[SITE]\r\nSTYLE=modern\r\n");
    EXPECT_EQ(ReadFile(dir.File("BarvellaTC.fvxcmt")), Sjis("<B>乾杯</B>\r\nふたつめ\r\n"));
}

TEST_F(PluginOptionTest, RefusesQuotesWhereTheyWouldEndAnAttributeAndTextTheSettingsCannotHold) {
    auto& sheet = *new CBarvellaOption(frame);  // not modal, so the test can act on it
    sheet.Show();
    CPluginOptionDesign* design = sheet.m_pageDesign;
    design->m_editBorderColor->SetValue("\"red\"");
    EXPECT_TRUE(sheet.LeaveCurrentPage());
    design->m_editBgColor->SetValue("\"#FF0000\"");
    wxTEST_DIALOG(sheet.GetBookCtrl()->SetSelection(1), ExpectWarning(kQuoteRefusal, design));
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(sheet.GetBookCtrl()->GetSelection(), 0);
    design->m_editBgColor->Clear();
    design->m_editBackground->SetValue("it's.gif");
    wxTEST_DIALOG(EXPECT_FALSE(sheet.LeaveCurrentPage()), ExpectWarning(kQuoteRefusal, design));
    sheet.m_pageTitle->m_editWindowTitle->SetValue("\"Bar\" Ann's");
    EXPECT_TRUE(sheet.m_pageTitle->TransferDataFromWindow());
    sheet.m_pageTitle->m_editTitleSize->SetValue("'4'");
    sheet.m_pageFont->m_editVLinkColor->SetValue("\"");
    for (wxWindow* page : std::initializer_list<wxWindow*>{sheet.m_pageTitle, sheet.m_pageFont})
        wxTEST_DIALOG(EXPECT_FALSE(page->TransferDataFromWindow()), ExpectWarning(kQuoteRefusal, page));

    // Text Shift-JIS cannot hold or too long for Barvella.ini is refused as on the host's sheet,
    // through the same conversion; a line break would start a line of its own in Barvella.ini.
    CPluginOptionUser* user = sheet.m_pageUser;
    user->m_editUserMail->SetValue("a@example.jp\nUSERNAME=x");
    wxTEST_DIALOG(EXPECT_FALSE(user->TransferDataFromWindow()),
                  ExpectWarning("「メール」に改行などの制御文字は使用できません。", user));
    EXPECT_TRUE(user->m_strUserMail.empty());
}

TEST_F(PluginOptionTest, EveryPageIsInSightAndApplyIsShownButNeverEnabled) {
    auto& sheet = *new CBarvellaOption(frame);
    auto* book = dynamic_cast<wxListbook*>(sheet.GetBookCtrl());
    ASSERT_NE(book, nullptr);
    sheet.Show();
    wxString captions;
    for (std::size_t page = 0; page < book->GetPageCount(); ++page) {
        captions += book->GetPageText(page) + " ";
        wxRect item;
        ASSERT_TRUE(book->GetListView()->GetItemRect(static_cast<long>(page), item));
        EXPECT_TRUE(wxRect(book->GetListView()->GetClientSize()).Contains(item)) << page;
    }
    EXPECT_EQ(captions, U("デザイン タイトル フォント 生成ファイル ユーザ URL コメント サイト形式 "));
    wxWindow* apply = sheet.FindWindow(wxID_APPLY);
    ASSERT_NE(apply, nullptr);
    EXPECT_TRUE(apply->IsShown() && !apply->IsEnabled());
}

TEST_F(PluginOptionTest, AddressesTakeSlashesThicknessIsAWholeNumberUpToHundredAndBrowsingKeepsTheFileName) {
    auto& sheet = *new CBarvellaOption(frame);
    sheet.Show();
    CPluginOptionURL* url = sheet.m_pageURL;
    url->m_editURLTopPage->SetValue("http:\\\\example.jp\\bar");
    url->m_editURLImages->SetValue("images\\icons");
    EXPECT_TRUE(url->TransferDataFromWindow());
    EXPECT_EQ(url->m_editURLTopPage->GetValue() + " " + url->m_editURLImages->GetValue(),
              "http://example.jp/bar images/icons/");
    url->m_editURLImages->Clear();
    EXPECT_TRUE(url->TransferDataFromWindow());
    EXPECT_EQ(url->m_strURLImages, "");

    // The thickness field takes every key; what it holds is checked on leaving the page.
    CPluginOptionDesign* design = sheet.m_pageDesign;
    design->m_editFrameSpacing->ChangeValue("10");
    wxKeyEvent key(wxEVT_CHAR);
    key.m_keyCode = key.m_uniChar = '1';
    EXPECT_FALSE(design->m_editFrameSpacing->ProcessWindowEvent(key)) << "the key was swallowed";
    for (const char* refused : {"101", "x", "-1", ""}) {
        design->m_editFrameSpacing->SetValue(refused);
        wxTEST_DIALOG(EXPECT_FALSE(design->TransferDataFromWindow()),
                      ExpectWarning("「太さ」には 0 から 100 までの整数を入力してください。", design));
    }
    design->m_editFrameSpacing->SetValue("100");

    // The chooser keeps the file name; its image filter shows a name in any case.
    shell::FileChoice choice;
    shell::Current().chooseFile = [&choice](const shell::FileChoice& asked) {
        choice = asked;
        return std::optional<shell::ChosenFile>({"/home/pictures/back.GIF", "back.GIF"});
    };
    Press(design, IdBrowseBackground);
    shell::Current() = shell::DesktopSeams();
    EXPECT_EQ(choice.parent, design);
    const wxArrayString imagePatterns = wxSplit(wxSplit(shell::InBothCases(choice.wildcard), '|')[1], ';');
    const auto shown = [&imagePatterns](const char* file) {
        return std::any_of(imagePatterns.begin(), imagePatterns.end(),
                           [file](const wxString& pattern) { return wxMatchWild(pattern, file); });
    };
    EXPECT_TRUE(shown("photo.JPG") && shown("back.gif") && !shown("notes.txt"));
    EXPECT_TRUE(design->TransferDataFromWindow());
    EXPECT_EQ(design->m_nFrameSpacing, 100);
    EXPECT_EQ(design->m_strBackground, "back.GIF");
}
