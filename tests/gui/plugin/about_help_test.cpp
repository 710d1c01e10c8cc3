#include <filesystem>

#include "paths.h"
#include "records_test_support.h"
#include "shell_seams.h"

TEST_F(RecordsTest, AboutShowsTheVersionAndHelpOpensTheWorkspaceManualElseTheInstalledOne) {
    wxTEST_DIALOG(EXPECT_EQ(About(), PLUGIN_OK), UserAt<CPluginAboutDialog>([](CPluginAboutDialog& d) {
                      EXPECT_NE(wxWindow::FindWindowByLabel("Barvella Version 0.9.1.1", &d), nullptr);
                      return wxID_OK;
                  }));

    std::vector<wxString> opened;
    shell::Current().openWithAssociatedProgram = [&opened](const wxString& path) {
        return opened.push_back(path), false;
    };
    app.hostDirectory = dir.File("work space");
    std::filesystem::create_directory(app.hostDirectory);
    EXPECT_EQ(Help(), PLUGIN_OK);
    testsupport::WriteFile(app.hostDirectory + "/Barvella.txt", "manual");
    EXPECT_EQ(Help(), PLUGIN_OK);
    shell::Current() = shell::DesktopSeams();
    // The program that links the plug-in's windows stands in for Barvella.so here.
    EXPECT_EQ(opened, (std::vector<wxString>{paths::ProgramDirectory() + "/Barvella.txt",
                                             app.hostDirectory + "/Barvella.txt"}));
    EXPECT_TRUE(std::filesystem::exists(FOLIVEX_TEST_PROGRAM_DIR "/Barvella.txt"));
}
