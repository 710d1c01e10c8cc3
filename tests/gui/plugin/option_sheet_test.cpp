#include <gtest/gtest.h>

#include <filesystem>

#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "../sheet_test_support.h"
#include "expect_plugin_message.h"
#include "options/barvella_option.h"
#include "test_support.h"

extern "C" int StartUp(IPluginList* list, const char* startupDirectory);
extern "C" int Option();
extern "C" int CleanUp();

namespace {

using testsupport::ReadFile;
using testsupport::Sjis;
using ExpectOptionSheet = ExpectSheet<CBarvellaOption>;

constexpr const char* kQuoteRefusal = "\" は使用できません。";

// A warning raised in a page. GTK owns a dialog by a top-level window: the sheet on display.
ExpectPluginMessage ExpectWarning(const char* text, wxWindow* page) {
    return ExpectPluginMessage(text, wxGetTopLevelParent(page));
}

// The box of "生成ファイル" the user knows by its label.
wxCheckBox* Box(wxWindow* page, const char* label) {
    for (wxWindow* child : page->GetChildren()) {
        auto* box = dynamic_cast<wxCheckBox*>(child);
        if (box && box->GetLabel() == U(label)) return box;
    }
    return nullptr;
}

class PluginOptionTest : public testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        frame->Show();
        wxTheApp->SetTopWindow(frame);
    }
    void TearDown() override { wxTheApp->SetTopWindow(nullptr); }

    // Not modal, so the test can act on it; it goes with the test's other windows.
    CBarvellaOption& ShowSheet() {
        auto* sheet = new CBarvellaOption(frame);
        sheet->TransferDataToWindow();
        sheet->Show();
        return *sheet;
    }

    // Every key in save order, so clean-up rewrites the file byte for byte unless a value changed.
    void StartUpWithSettings() {
        settings = Sjis(
            "[DESIGN]\r\nBACKGROUND=back.gif\r\nBGCOLOR=#FFFFF0\r\nFRAMEBORDER=1\r\nFRAMESPACING=3\r\nFRAMERESIZE=1\r\n"
            "BORDERCOLOR=navy\r\n[TITLE]\r\nTITLECOLOR=#800000\r\nTITLESIZE=+2\r\nTITLEFACE=serif\r\n"
            "WINDOWTITLE=夜のカクテル\r\n[FONT]\r\nTEXTCOLOR=black\r\nFONTSIZE=3\r\nFONTFACE=sans\r\nLINKCOLOR=blue\r\n"
            "ALINKCOLOR=red\r\nVLINKCOLOR=purple\r\n[FILE]\r\nALPHABET=1\r\nBASEPAGE=0\r\nSTYLEPAGE=0\r\n"
            "STRONGPAGE=1\r\nTASTEPAGE=0\r\nMASTERPAGE=1\r\nALLPAGE=0\r\n[USER]\r\nUSERNAME=山田\r\n"
            "USERMAIL=yamada@example.jp\r\n[URL]\r\nURLTOPPAGE=http://example.jp/\r\nURLIMAGES=img/\r\n");
        testsupport::WriteFile(work.File("Barvella.ini"), settings);
        testsupport::WriteFile(work.File("BarvellaTC.fvxcmt"), "<P>old</P>");
        ASSERT_EQ(StartUp(&list, work.path.c_str()), PLUGIN_OK);
    }

    wxFrame* frame = nullptr;
    testsupport::TempDirectory work;
    testsupport::FakePluginList list;
    std::string settings;
};

TEST_F(PluginOptionTest, CancelAfterEditingSeveralPagesChangesNoSetting) {
    StartUpWithSettings();
    wxTEST_DIALOG(EXPECT_EQ(Option(), PLUGIN_OK), ExpectOptionSheet([](CBarvellaOption& sheet) {
                      sheet.m_pageDesign->m_editBgColor->SetValue("#000000");
                      sheet.GetBookCtrl()->SetSelection(3);
                      sheet.m_pageFile->m_checkAlphabet->SetValue(false);
                      sheet.GetBookCtrl()->SetSelection(6);
                      sheet.m_pageComment->m_editComment->SetValue("new");
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(CleanUp(), PLUGIN_OK);
    EXPECT_EQ(ReadFile(work.File("Barvella.ini")), settings);
    EXPECT_EQ(ReadFile(work.File("BarvellaTC.fvxcmt")), "<P>old</P>");
}

TEST_F(PluginOptionTest, OkOnTheFirstPageKeepsTheOthersAndReachesTheFileOnlyAtCleanUp) {
    StartUpWithSettings();
    wxTEST_DIALOG(Option(), ExpectOptionSheet([this](CBarvellaOption& sheet) {
                      EXPECT_EQ(sheet.GetParent(), frame);
                      EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(sheet.GetBookCtrl()->GetSelection()), U("デザイン"));
                      sheet.m_pageDesign->m_editBgColor->SetValue("#FF0000");
                      return PressOK(sheet);
                  }));
    EXPECT_EQ(ReadFile(work.File("Barvella.ini")), settings);
    EXPECT_EQ(CleanUp(), PLUGIN_OK);
    std::string changed = settings;
    changed.replace(changed.find("#FFFFF0"), 7, "#FF0000");
    EXPECT_EQ(ReadFile(work.File("Barvella.ini")), changed);
}

TEST_F(PluginOptionTest, FileFlagsGoByMeaningAndCommentLinesEndInCrLf) {
    StartUpWithSettings();
    wxTEST_DIALOG(Option(), ExpectOptionSheet([](CBarvellaOption& sheet) {
                      sheet.GetBookCtrl()->SetSelection(3);
                      CPluginOptionFile* page = sheet.m_pageFile;
                      EXPECT_FALSE(Box(page, "スタイル別ページ")->GetValue());
                      EXPECT_TRUE(Box(page, "アルコール強度別ページ")->GetValue());
                      for (wxWindow* child : page->GetChildren())
                          if (auto* box = dynamic_cast<wxCheckBox*>(child)) box->SetValue(false);
                      wxTEST_DIALOG(EXPECT_EQ(PressOK(sheet), wxID_NONE),
                                    ExpectWarning("生成するファイルを一つ以上選択してください。", page));
                      Box(page, "スタイル別ページ")->SetValue(true);
                      sheet.GetBookCtrl()->SetSelection(6);
                      sheet.m_pageComment->m_editComment->SetValue(U("<B>乾杯</B>\nふたつめ\n"));
                      return PressOK(sheet);
                  }));
    EXPECT_EQ(CleanUp(), PLUGIN_OK);
    const std::string file = ReadFile(work.File("Barvella.ini"));
    EXPECT_NE(file.find("ALPHABET=0\r\nBASEPAGE=0\r\nSTYLEPAGE=1\r\nSTRONGPAGE=0\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile(work.File("BarvellaTC.fvxcmt")), Sjis("<B>乾杯</B>\r\nふたつめ\r\n"));
}

TEST_F(PluginOptionTest, QuotesAreRefusedOnlyWhereTheyWouldEndAnAttribute) {
    CBarvellaOption& sheet = ShowSheet();
    CPluginOptionDesign* design = sheet.m_pageDesign;
    design->m_editBgColor->SetValue("#FF0000");
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
    wxTEST_DIALOG(EXPECT_FALSE(sheet.m_pageTitle->TransferDataFromWindow()),
                  ExpectWarning(kQuoteRefusal, sheet.m_pageTitle));
    sheet.m_pageFont->m_editVLinkColor->SetValue("\"");
    wxTEST_DIALOG(EXPECT_FALSE(sheet.m_pageFont->TransferDataFromWindow()),
                  ExpectWarning(kQuoteRefusal, sheet.m_pageFont));
}

TEST_F(PluginOptionTest, AddressesTakeSlashesAndOnlyTheImageFolderEndsInOne) {
    CBarvellaOption& sheet = ShowSheet();
    CPluginOptionURL* page = sheet.m_pageURL;
    page->m_editURLTopPage->SetValue("http:\\\\example.jp\\bar");
    page->m_editURLImages->SetValue("images\\icons");
    EXPECT_TRUE(page->TransferDataFromWindow());
    EXPECT_EQ(page->m_editURLTopPage->GetValue(), "http://example.jp/bar");
    EXPECT_EQ(page->m_editURLImages->GetValue(), "images/icons/");
    page->m_editURLImages->Clear();
    EXPECT_TRUE(page->TransferDataFromWindow());
    EXPECT_EQ(page->m_strURLImages, "");
}

TEST_F(PluginOptionTest, ThicknessIsAWholeNumberUpToHundredAndBrowsingKeepsTheFileName) {
    CBarvellaOption& sheet = ShowSheet();
    CPluginOptionDesign* page = sheet.m_pageDesign;
    for (const char* refused : {"101", "x"}) {
        page->m_editFrameSpacing->SetValue(refused);
        wxTEST_DIALOG(EXPECT_FALSE(page->TransferDataFromWindow()),
                      ExpectWarning("「太さ」には 0 から 100 までの整数を入力してください。", page));
    }
    page->m_editFrameSpacing->SetValue("100");
    std::filesystem::create_directory(work.File("pictures"));
    testsupport::WriteFile(work.File("pictures/back.gif"), "GIF89a");
    wxTEST_DIALOG(Press(page, 3036), wxExpectModal<wxFileDialog>(work.File("pictures/back.gif")));
    EXPECT_TRUE(page->TransferDataFromWindow());
    EXPECT_EQ(page->m_nFrameSpacing, 100);
    EXPECT_EQ(page->m_strBackground, "back.gif");
}

TEST_F(PluginOptionTest, TextTheSettingsCannotHoldIsRefusedNamingTheField) {
    CBarvellaOption& sheet = ShowSheet();
    CPluginOptionUser* page = sheet.m_pageUser;
    page->m_editUserName->SetValue(U("山田\U0001F378"));
    wxTEST_DIALOG(EXPECT_FALSE(page->TransferDataFromWindow()),
                  ExpectWarning("「作成者」に Shift-JIS で表せない文字が含まれています。", page));
    // A longer value would come back from Barvella.ini cut short.
    page->m_editUserName->SetValue(wxString('a', 255));
    page->m_editUserMail->SetValue(wxString('a', 256));
    wxTEST_DIALOG(EXPECT_FALSE(page->TransferDataFromWindow()),
                  ExpectWarning("「メール」は 255 バイト以内で入力してください。", page));
    // A line break would start a line of its own in Barvella.ini.
    page->m_editUserMail->SetValue("a@example.jp\nUSERNAME=x");
    wxTEST_DIALOG(EXPECT_FALSE(page->TransferDataFromWindow()),
                  ExpectWarning("「メール」に改行などの制御文字は使用できません。", page));
    EXPECT_TRUE(page->m_strUserMail.empty());
}

}  // namespace
