// Loading, binding, guarding and unloading plug-ins, with the test plug-ins.
#include "host_test_support.h"

using enum PluginCommand;

using namespace recording_plugin;

namespace {

constexpr const char* kIncomplete =
    "プラグインが正しくないか、いくつかの機能が実装されていません。\n処理中に予期せぬエラーが発生する可能性があります"
    "。";
constexpr const char* kNotImplemented = "この機能はプラグインに実装されていません。";
constexpr const char* kInvalidResult = "プラグイン関数の戻り値が不正です。";
constexpr const char* kException = "プラグイン関数の実行中に例外が発生しました。";

class LoaderTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        list = &CreateWindows()->GetPluginList();
    }
    IPluginList* list = nullptr;
};

TEST_F(LoaderTest, BareNamesComeFromTheProgramDirectoryThenTheSystemAndFailuresLeaveNothing) {
    doc->PluginName = kRecordingPlugin;
    EXPECT_TRUE(doc->LoadPlugin());
    EXPECT_TRUE(IsMapped(kRecordingPlugin));
    EXPECT_EQ(Calls(), std::vector<std::string>{"StartUp\t/start/directory\t0\t0"});

    // Not in the program directory: the system finds it (and it is no plug-in).
    doc->PluginName = "libm.so.6";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(kRecordingPlugin));

    // A name that is not CP932 must not become the empty name, which loads the host itself.
    for (const std::string& name : {std::string("NotAPlugin.so"), std::string("NoSuchPlugin.so"),
                                    InProgramDirectory("missing/RecordingPlugin.so"), std::string("\x81")}) {
        doc->PluginName = name;
        wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage("プラグインのロードに失敗しました。"));
        EXPECT_FALSE(doc->IsPluginLoaded()) << name;
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
    for (PluginCommand command : {CreateHTML, EditItem, Help}) {
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(command, list)), ExpectHostMessage(kNotImplemented));
    }

    doc->PluginName = "EmptyPlugin.so";
    wxTEST_DIALOG(EXPECT_FALSE(doc->LoadPlugin()), ExpectHostMessage(kIncomplete));
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(AddItem, list)), ExpectHostMessage(kNotImplemented));
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
    for (const char* invalid : {"1", "-2"}) {
        SetResult("EditItem", invalid);
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(EditItem, list)), ExpectHostMessage(kInvalidResult));
    }
    SetResult("EditItem", "throw");
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(EditItem, list)), ExpectHostMessage(kException));
    // An exception out of a command leaves the plug-in loaded and working.
    EXPECT_TRUE(doc->RunPluginCommand(CopyItem, list));
    EXPECT_EQ(Calls().size(), 6u);

    ClearLog();
    doc->HTMLOutDirectory = "/out/dir";
    const std::pair<PluginCommand, const char*> failures[] = {
        {CreateHTML, "HTMLの生成に失敗しました。"},
        {Help, "プラグインヘルプの表示に失敗しました。"},
    };
    for (const auto& [command, message] : failures) {
        SetResult(kPluginEntryNames[static_cast<int>(command)], "-1");
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(command, list)), ExpectHostMessage(message));
    }
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "CreateHTML\t-1\t4\t/out/dir\t");
    EXPECT_EQ(calls[1], "Help");
}

TEST_F(LoaderTest, StartUpFailureKeepsThePluginButAnExceptionUnloadsIt) {
    doc->PluginName = kRecordingPlugin;
    SetResult("StartUp", "-1");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの初期化に失敗しました。"));
    EXPECT_TRUE(doc->RunPluginCommand(AddItem, list));
    SetResult("StartUp", "7");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());

    ClearLog();
    SetResult("StartUp", "throw");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(kRecordingPlugin));
    EXPECT_EQ(CallNames(), (std::vector<std::string>{"CleanUp", "StartUp", "CleanUp"}));
}

TEST_F(LoaderTest, RefusingCleanUpAtReloadKeepsTheOldLibraryBesideTheNewOne) {
    LoadRecording();
    SetResult("CleanUp", "-1");
    doc->PluginName = "PartialPlugin.so";
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの終了処理に失敗しました。"),
                  ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(IsMapped(kRecordingPlugin));
    EXPECT_TRUE(IsMapped("PartialPlugin.so"));
    // The table now belongs to the new library alone.
    EXPECT_FALSE(doc->HasEntry(EditItem));
    EXPECT_EQ(CallNames(), (std::vector<std::string>{"CleanUp", "StartUp"}));
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
    EXPECT_FALSE(IsMapped(kRecordingPlugin));

    // At exit the windows go first; the document's CleanUp then frees the library.
    SetResult("CleanUp", "0");
    LoadRecording();
    DestroyWindows();
    doc.reset();
    EXPECT_EQ(Calls(), std::vector<std::string>{"CleanUp"});
    EXPECT_FALSE(IsMapped(kRecordingPlugin));
}

}  // namespace
