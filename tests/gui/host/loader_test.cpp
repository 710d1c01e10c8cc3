// Loading, binding, guarding and unloading plug-ins, with the test plug-ins.
#include <dlfcn.h>

#include "host_test_support.h"

using enum PluginCommand;

namespace {

constexpr const char* kInvalidResult = "プラグイン関数の戻り値が不正です。";
constexpr const char* kException = "プラグイン関数の実行中に例外が発生しました。";

class LoaderTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        list = &CreateWindows()->GetPluginList();
    }
    // True while the library `name` of the program directory is mapped into the process.
    bool IsMapped(const char* name) const {
        void* handle = ::dlopen(InProgramDirectory(name).c_str(), RTLD_LAZY | RTLD_NOLOAD);
        return handle != nullptr && ::dlclose(handle) == 0;
    }

    IPluginList* list = nullptr;
};

TEST_F(LoaderTest, BareNamesComeFromTheProgramDirectoryThenTheSystemAndFailuresLeaveNothing) {
    LoadRecording();
    EXPECT_TRUE(IsMapped("RecordingPlugin.so"));

    // Not in the program directory: the system finds it (and it is no plug-in).
    doc->PluginName = "libm.so.6";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));

    // A name that is not CP932 must not become the empty name, which loads the host itself.
    for (const std::string& name : {std::string("NotAPlugin.so"), std::string("NoSuchPlugin.so"),
                                    InProgramDirectory("missing/RecordingPlugin.so"), std::string("\x81")}) {
        doc->PluginName = name;
        wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグインのロードに失敗しました。"));
        wxTEST_DIALOG(doc->RunPluginCommand(ViewItem, list), ExpectHostMessage("プラグインが読みこまれていません。"));
    }

    // An empty name keeps whatever is loaded.
    LoadRecording();
    doc->PluginName.clear();
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグイン名称が未設定です。"));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_TRUE(Calls().empty());
}

TEST_F(LoaderTest, PartialAndEmptyPluginsWarnOnceAndReportEachMissingEntry) {
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    EXPECT_EQ(Calls(), std::vector<std::string>{"StartUp\t/start/directory\t0\t0"});
    EXPECT_TRUE(doc->RunPluginCommand(AddItem, list));
    const char* notImplemented = "この機能はプラグインに実装されていません。";
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(Help, list)), ExpectHostMessage(notImplemented));

    doc->PluginName = "EmptyPlugin.so";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(AddItem, list)), ExpectHostMessage(notImplemented));
    // Without CleanUp the library is simply freed.
    doc->UnloadPlugin();
    EXPECT_FALSE(IsMapped("EmptyPlugin.so"));
    EXPECT_EQ(Calls().size(), 2u);
}

TEST_F(LoaderTest, CommandResultsGiveTheFollowUpOrExactlyOneMessage) {
    LoadRecording();
    EXPECT_TRUE(doc->RunPluginCommand(EditItem, list));
    SetResult("EditItem", "-1001");
    EXPECT_FALSE(doc->RunPluginCommand(EditItem, list));
    SetResult("EditItem", "-1");
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(EditItem, list)),
                  ExpectHostMessage("アイテムの編集に失敗しました。"));
    for (const char* invalid : {"1", "-2"}) {
        SetResult("Help", invalid);
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(Help, list)), ExpectHostMessage(kInvalidResult));
    }
    SetResult("CopyItem", "throw");
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(CopyItem, list)), ExpectHostMessage(kException));
    // An exception out of a command leaves the plug-in loaded and working.
    SetResult("EditItem", "0");
    EXPECT_TRUE(doc->RunPluginCommand(EditItem, list));
    EXPECT_EQ(Calls(true),
              (std::vector<std::string>{"EditItem", "EditItem", "EditItem", "Help", "Help", "CopyItem", "EditItem"}));
}

TEST_F(LoaderTest, StartUpFailureKeepsThePluginButAnExceptionUnloadsIt) {
    doc->PluginName = "RecordingPlugin.so";
    SetResult("StartUp", "-1");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの初期化に失敗しました。"));
    EXPECT_TRUE(doc->RunPluginCommand(AddItem, list));
    SetResult("StartUp", "7");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());

    ClearLog();
    SetResult("StartUp", "throw");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));
    EXPECT_EQ(Calls(true), (std::vector<std::string>{"CleanUp", "StartUp", "CleanUp"}));
}

TEST_F(LoaderTest, RefusingCleanUpAtReloadKeepsTheOldLibraryBesideTheNewOne) {
    LoadRecording();
    SetResult("CleanUp", "-1");
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの終了処理に失敗しました。"),
                  ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(IsMapped("RecordingPlugin.so"));
    EXPECT_TRUE(IsMapped("PartialPlugin.so"));
    // The table now belongs to the new library alone.
    EXPECT_FALSE(doc->HasEntry(EditItem));
    EXPECT_EQ(Calls(true), (std::vector<std::string>{"CleanUp", "StartUp"}));
}

TEST_F(LoaderTest, CleanUpResultsDecideWhetherTheLibraryIsFreed) {
    LoadRecording();
    SetResult("CleanUp", "-1001");
    doc->UnloadPlugin();
    SetResult("CleanUp", "3");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());
    SetResult("CleanUp", "throw");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));

    // At exit the windows go first; the document's CleanUp then frees the library.
    SetResult("CleanUp", "0");
    LoadRecording();
    DestroyWindows();
    doc.reset();
    EXPECT_EQ(Calls(), std::vector<std::string>{"CleanUp"});
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));
}

}  // namespace
