// Loading, binding, guarding and unloading plug-ins, with the test plug-ins.
#include <dlfcn.h>

#include "host_test_support.h"

using enum PluginCommand;
using Names = std::vector<std::string>;

constexpr const char* kInvalidResult = "プラグイン関数の戻り値が不正です。";
constexpr const char* kException = "プラグイン関数の実行中に例外が発生しました。";

struct LoaderTest : HostFrameTest {
    bool Run(PluginCommand command) { return doc->RunPluginCommand(command, &view->GetPluginList()); }
    // True while the library `name` of the program directory is mapped into the process.
    bool IsMapped(const char* name) const {
        void* handle = ::dlopen(scratch.File(name).c_str(), RTLD_LAZY | RTLD_NOLOAD);
        return handle != nullptr && ::dlclose(handle) == 0;
    }
};

TEST_F(LoaderTest, BareNamesComeFromTheProgramDirectoryThenTheSystemAndFailuresLeaveNothing) {
    EXPECT_TRUE(IsMapped("RecordingPlugin.so"));
    // Not in the program directory: the system finds it, a library without entry points.
    doc->PluginName = "libm.so.6";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));

    // A name that is not CP932 must not become the empty name, which loads the host itself.
    for (const std::string& name : {std::string("NotAPlugin.so"), std::string("NoSuchPlugin.so"),
                                    scratch.File("missing/RecordingPlugin.so"), std::string("\x81")}) {
        doc->PluginName = name;
        wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグインのロードに失敗しました。"));
        wxTEST_DIALOG(Run(ViewItem), ExpectHostMessage("プラグインが読みこまれていません。"));
    }

    // An empty name keeps whatever is loaded.
    LoadRecording();
    doc->PluginName.clear();
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグイン名称が未設定です。"));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_TRUE(Calls().empty());
}

TEST_F(LoaderTest, APartialPluginWarnsOnceReportsEachMissingEntryAndIsFreedWithoutCleanUp) {
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(Run(AddItem));
    wxTEST_DIALOG(EXPECT_FALSE(Run(Help)), ExpectHostMessage("この機能はプラグインに実装されていません。"));
    doc->UnloadPlugin();
    EXPECT_FALSE(IsMapped("PartialPlugin.so"));
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
    SetResult("CopyItem", "throw");
    wxTEST_DIALOG(EXPECT_FALSE(Run(CopyItem)), ExpectHostMessage(kException));
    // An exception out of a command leaves the plug-in loaded and working.
    EXPECT_TRUE(Run(ViewItem));
    EXPECT_EQ(Calls(true), (Names{"EditItem", "EditItem", "EditItem", "Help", "Help", "CopyItem", "ViewItem"}));
}

TEST_F(LoaderTest, StartUpFailureKeepsThePluginButAnExceptionUnloadsIt) {
    doc->PluginName = "RecordingPlugin.so";
    SetResult("StartUp", "-1");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの初期化に失敗しました。"));
    SetResult("StartUp", "7");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(Run(AddItem));
    ClearLog();
    SetResult("StartUp", "throw");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));
    EXPECT_EQ(Calls(true), (Names{"CleanUp", "StartUp", "CleanUp"}));
}

TEST_F(LoaderTest, CleanUpResultsDecideWhetherTheLibraryIsFreed) {
    SetResult("CleanUp", "-1001");
    doc->UnloadPlugin();
    SetResult("CleanUp", "3");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());
    SetResult("CleanUp", "throw");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(IsMapped("RecordingPlugin.so"));

    // A refusal at reload keeps the old library beside the new one, whose entries alone are bound.
    SetResult("CleanUp", "-1");
    LoadRecording();
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの終了処理に失敗しました。"),
                  ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(IsMapped("RecordingPlugin.so"));
    EXPECT_FALSE(doc->HasEntry(EditItem));
}
