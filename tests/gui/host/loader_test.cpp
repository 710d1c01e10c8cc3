// Loading, binding, guarding and unloading plug-ins, with the test plug-ins.
#include <dlfcn.h>

#include "host_test_support.h"

using enum PluginCommand;
using Names = std::vector<std::string>;

constexpr const char* kInvalidResult = "プラグイン関数の戻り値が不正です。";
constexpr const char* kException = "プラグイン関数の実行中に例外が発生しました。";

// True while the library at `path` is mapped into the process.
bool IsMapped(const std::string& path) {
    void* handle = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    return handle != nullptr && ::dlclose(handle) == 0;
}

using PluginLoaderTest = HostTest;

TEST_F(PluginLoaderTest, ABareNameComesFromTheProgramDirectoryBeforeTheSystemsSearch) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("RecordingPlugin.so", programDirectory));
    EXPECT_TRUE(loader.IsComplete() && IsMapped(scratch.File("RecordingPlugin.so")));
    loader.Free();
    // Not in the program directory: the system finds it, a library without entry points.
    ASSERT_TRUE(loader.Load("libm.so.6", programDirectory));
    EXPECT_FALSE(loader.IsComplete());
    loader.Free();
}

TEST_F(PluginLoaderTest, ANameThatGivesNoLibraryLeavesTheTableEmpty) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("RecordingPlugin.so", programDirectory));
    // A name that is not CP932 must not become the empty name, which loads the host itself.
    for (const std::string& name : {std::string("NotAPlugin.so"), std::string("NoSuchPlugin.so"),
                                    scratch.File("missing/RecordingPlugin.so"), std::string("\x81")}) {
        EXPECT_FALSE(loader.Load(name, programDirectory)) << name;
        EXPECT_FALSE(loader.IsLoaded() || loader.Entry(0)) << name;
    }
}

struct LoaderTest : HostFrameTest {
    bool Run(PluginCommand command) { return doc->RunPluginCommand(command, &view->GetPluginList()); }
};

TEST_F(LoaderTest, AnEmptyNameIsReportedAndKeepsThePluginLoaded) {
    doc->PluginName.clear();
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグイン名称が未設定です。"));
    EXPECT_TRUE(Run(Help));
}

TEST_F(LoaderTest, ALibraryThatCannotBeLoadedIsReportedAndLeavesNoPlugin) {
    doc->PluginName = "NoSuchPlugin.so";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグインのロードに失敗しました。"));
    wxTEST_DIALOG(Run(Help), ExpectHostMessage("プラグインが読みこまれていません。"));
}

TEST_F(LoaderTest, APartialPluginWarnsOnceAndEachMissingEntryIsReportedByItsCommand) {
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(Run(AddItem));
    wxTEST_DIALOG(EXPECT_FALSE(Run(Help)), ExpectHostMessage("この機能はプラグインに実装されていません。"));
    // Without CleanUp the library is freed at once.
    doc->UnloadPlugin();
    EXPECT_FALSE(IsMapped(scratch.File("PartialPlugin.so")));
}

TEST_F(LoaderTest, CommandResultsGiveTheFollowUpOrExactlyOneMessage) {
    EXPECT_TRUE(Run(EditItem));
    SetResult("EditItem", "-1001");
    EXPECT_FALSE(Run(EditItem));
    SetResult("EditItem", "-1");
    wxTEST_DIALOG(EXPECT_FALSE(Run(EditItem)), ExpectHostMessage("アイテムの編集に失敗しました。"));
    for (const char* invalid : {"1", "-2"}) {
        SetResult("Help", invalid);
        wxTEST_DIALOG(EXPECT_FALSE(Run(Help)), ExpectHostMessage(kInvalidResult));
    }
    EXPECT_EQ(Calls(true), (Names{"EditItem", "EditItem", "EditItem", "Help", "Help"}));
}

TEST_F(LoaderTest, AnExceptionOutOfACommandIsReportedAndThePluginStaysLoaded) {
    SetResult("CopyItem", "throw");
    wxTEST_DIALOG(EXPECT_FALSE(Run(CopyItem)), ExpectHostMessage(kException));
    EXPECT_TRUE(Run(ViewItem));
}

TEST_F(LoaderTest, AFailedStartUpIsReportedAndKeepsThePlugin) {
    SetResult("StartUp", "-1");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの初期化に失敗しました。"));
    SetResult("StartUp", "7");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(Run(AddItem));
}

TEST_F(LoaderTest, AnExceptionOutOfStartUpUnloadsThePluginThroughCleanUp) {
    SetResult("StartUp", "throw");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(IsMapped(scratch.File("RecordingPlugin.so")));
    EXPECT_EQ(Calls(true), (Names{"CleanUp", "StartUp", "CleanUp"}));
}

TEST_F(LoaderTest, OnlyACleanUpThatSucceedsOrThrowsFreesTheLibrary) {
    SetResult("CleanUp", "-1001");
    doc->UnloadPlugin();
    SetResult("CleanUp", "3");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());
    SetResult("CleanUp", "throw");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(IsMapped(scratch.File("RecordingPlugin.so")));
}

TEST_F(LoaderTest, AFailedCleanUpAtReloadKeepsTheOldLibraryBesideTheNewOne) {
    SetResult("CleanUp", "-1");
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの終了処理に失敗しました。"),
                  ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(IsMapped(scratch.File("RecordingPlugin.so")));
    // Only the new library's entries are bound.
    EXPECT_FALSE(doc->HasEntry(EditItem));
}
