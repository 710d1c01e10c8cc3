// Loading, binding, guarding and unloading plug-ins, with the test plug-ins.
#include "host_test_support.h"

#include "recording_plugin_control.h"

using namespace recording_plugin;

namespace {

constexpr const char* kIncomplete =
    "プラグインが正しくないか、いくつかの機能が実装されていません。\n処理中に予期せぬエラーが発生する可能性があります。";
constexpr const char* kNotImplemented = "この機能はプラグインに実装されていません。";
constexpr const char* kInvalidResult = "プラグイン関数の戻り値が不正です。";
constexpr const char* kException = "プラグイン関数の実行中に例外が発生しました。";

class LoaderTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        CreateWindows();
    }
    void LoadRecording() {
        doc->PluginName = kRecordingPlugin;
        ASSERT_EQ(doc->LoadPlugin(), 1);
        ClearLog();
    }
};

TEST_F(LoaderTest, CompletePluginBindsEverythingAndStartsWithAnEmptyList) {
    doc->PluginName = kRecordingPlugin;
    EXPECT_EQ(doc->LoadPlugin(), 1);
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_TRUE(IsMapped(InProgramDirectory(kRecordingPlugin)));
    for (PluginCommand command : {CreateHTML, AddItem, DeleteItem, EditItem, CopyItem, ViewItem, SearchItem,
                                  ClearList, Option, About, Help}) {
        EXPECT_TRUE(doc->HasEntry(command)) << command;
    }
    EXPECT_NE(doc->entries.StartUp, nullptr);
    EXPECT_NE(doc->entries.CleanUp, nullptr);
    EXPECT_EQ(Calls(), std::vector<std::string>{"StartUp\t/start/directory\t0\t0"});
}

TEST_F(LoaderTest, BareNameIsTakenFromTheProgramDirectoryBeforeTheSystemSearch) {
    doc->PluginName = kRecordingPlugin;
    ASSERT_EQ(doc->LoadPlugin(), 1);
    EXPECT_TRUE(IsMapped(InProgramDirectory(kRecordingPlugin)));

    // Not in the program directory: the system's search finds it (and it is no plug-in).
    doc->PluginName = "libm.so.6";
    wxTEST_DIALOG(EXPECT_EQ(doc->LoadPlugin(), 0), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(InProgramDirectory(kRecordingPlugin)));
}

TEST_F(LoaderTest, PartialPluginWarnsOnceStartsAndReportsEachMissingEntry) {
    doc->PluginName = kPartialPlugin;
    wxTEST_DIALOG(EXPECT_EQ(doc->LoadPlugin(), 0), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_EQ(Calls(), std::vector<std::string>{"StartUp\t/start/directory\t0\t0"});

    EXPECT_TRUE(doc->RunPluginCommand(AddItem, view));
    EXPECT_TRUE(doc->RunPluginCommand(ViewItem, view));
    for (PluginCommand command : {CreateHTML, DeleteItem, EditItem, CopyItem, SearchItem, ClearList, Option, About, Help}) {
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(command, view)), ExpectHostMessage(kNotImplemented));
    }
    EXPECT_EQ(Calls().size(), 3u);
}

TEST_F(LoaderTest, EmptyPluginIsLoadedButEveryCommandReportsItsMissingEntry) {
    doc->PluginName = kEmptyPlugin;
    wxTEST_DIALOG(EXPECT_EQ(doc->LoadPlugin(), 0), ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(doc->IsPluginLoaded());
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(AddItem, view)), ExpectHostMessage(kNotImplemented));
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(Help, nullptr)), ExpectHostMessage(kNotImplemented));
    // Without CleanUp the library is simply freed.
    doc->UnloadPlugin();
    EXPECT_FALSE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(InProgramDirectory(kEmptyPlugin)));
}

TEST_F(LoaderTest, LibraryThatCannotBeLoadedLeavesNothingLoaded) {
    for (const std::string& name : {std::string(kNotALibrary), std::string("NoSuchPlugin.so"),
                                   InProgramDirectory("missing/RecordingPlugin.so")}) {
        doc->PluginName = name;
        wxTEST_DIALOG(EXPECT_EQ(doc->LoadPlugin(), 0), ExpectHostMessage("プラグインのロードに失敗しました。"));
        EXPECT_FALSE(doc->IsPluginLoaded()) << name;
        EXPECT_EQ(doc->entries.StartUp, nullptr);
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(ViewItem, view)),
                      ExpectHostMessage("プラグインが読みこまれていません。"));
    }
    EXPECT_TRUE(Calls().empty());
}

TEST_F(LoaderTest, EmptyNameIsReportedAndKeepsTheLoadedPlugin) {
    LoadRecording();
    doc->PluginName.clear();
    wxTEST_DIALOG(EXPECT_EQ(doc->LoadPlugin(), 0), ExpectHostMessage("プラグイン名称が未設定です。"));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_TRUE(Calls().empty());
}

TEST_F(LoaderTest, CommandResultsGiveTheFollowUpOrExactlyOneMessage) {
    LoadRecording();
    SetResult("EditItem", "0");
    EXPECT_TRUE(doc->RunPluginCommand(EditItem, view));
    SetResult("EditItem", "-1001");
    EXPECT_FALSE(doc->RunPluginCommand(EditItem, view));
    for (const char* invalid : {"1", "-2"}) {
        SetResult("EditItem", invalid);
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(EditItem, view)), ExpectHostMessage(kInvalidResult));
    }
    SetResult("EditItem", kThrow);
    wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(EditItem, view)), ExpectHostMessage(kException));
    // An exception out of a command leaves the plug-in loaded and working.
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_TRUE(doc->RunPluginCommand(CopyItem, view));
    EXPECT_EQ(Calls().size(), 6u);
}

TEST_F(LoaderTest, EachCommandHasItsOwnFailureMessageAndArguments) {
    LoadRecording();
    doc->HTMLOutDirectory = "/out/dir";
    doc->HTMLIndexFileName = "";
    const std::pair<PluginCommand, const char*> failures[] = {
        {CreateHTML, "HTMLの生成に失敗しました。"},     {AddItem, "アイテムの追加に失敗しました。"},
        {DeleteItem, "アイテムの削除に失敗しました。"},   {EditItem, "アイテムの編集に失敗しました。"},
        {CopyItem, "アイテムのコピーに失敗しました。"},   {ViewItem, "アイテムの詳細表示に失敗しました。"},
        {SearchItem, "アイテムの検索に失敗しました。"},   {ClearList, "リストのクリアに失敗しました。"},
        {Option, "プラグインオプションの設定に失敗しました。"}, {About, "プラグインバージョンの表示に失敗しました。"},
        {Help, "プラグインヘルプの表示に失敗しました。"},
    };
    for (const auto& [command, message] : failures) {
        SetResult(kPluginEntryNames[command], "-1");
        wxTEST_DIALOG(EXPECT_FALSE(doc->RunPluginCommand(command, view)), ExpectHostMessage(message));
    }
    SetResult("CreateHTML", "0");
    EXPECT_TRUE(doc->RunPluginCommand(CreateHTML, view));
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[0], "CreateHTML\t-1\t0\t/out/dir\t");
    EXPECT_EQ(calls[1], "AddItem\t-1\t0");
    EXPECT_EQ(calls[8], "Option");
    EXPECT_EQ(calls[11], "CreateHTML\t-1\t0\t/out/dir\t");
}

TEST_F(LoaderTest, StartUpFailureKeepsThePluginButAnExceptionUnloadsIt) {
    doc->PluginName = kRecordingPlugin;
    SetResult("StartUp", "-1");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの初期化に失敗しました。"));
    EXPECT_TRUE(doc->IsPluginLoaded());
    EXPECT_TRUE(doc->RunPluginCommand(AddItem, view));

    SetResult("StartUp", "-1001");
    doc->LoadPlugin();
    EXPECT_TRUE(doc->IsPluginLoaded());
    SetResult("StartUp", "7");
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());

    ClearLog();
    SetResult("StartUp", kThrow);
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(InProgramDirectory(kRecordingPlugin)));
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], "CleanUp");
    EXPECT_EQ(calls[1].rfind("StartUp", 0), 0u);
    EXPECT_EQ(calls[2], "CleanUp");
}

TEST_F(LoaderTest, RefusingCleanUpAtReloadKeepsTheOldLibraryBesideTheNewOne) {
    LoadRecording();
    SetResult("CleanUp", "-1");
    doc->PluginName = kPartialPlugin;
    wxTEST_DIALOG(doc->LoadPlugin(), ExpectHostMessage("プラグインの終了処理に失敗しました。"),
                  ExpectHostMessage(kIncomplete));
    EXPECT_TRUE(IsMapped(InProgramDirectory(kRecordingPlugin)));
    EXPECT_TRUE(IsMapped(InProgramDirectory(kPartialPlugin)));
    // The table now belongs to the new library alone.
    EXPECT_FALSE(doc->HasEntry(EditItem));
    EXPECT_TRUE(doc->HasEntry(AddItem));
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "CleanUp");
    EXPECT_EQ(calls[1].rfind("StartUp", 0), 0u);
}

TEST_F(LoaderTest, CleanUpResultsDecideWhetherTheLibraryIsFreed) {
    LoadRecording();
    SetResult("CleanUp", "-1001");
    doc->UnloadPlugin();
    EXPECT_TRUE(doc->IsPluginLoaded());
    SetResult("CleanUp", "3");
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kInvalidResult));
    EXPECT_TRUE(doc->IsPluginLoaded());
    SetResult("CleanUp", kThrow);
    wxTEST_DIALOG(doc->UnloadPlugin(), ExpectHostMessage(kException));
    EXPECT_FALSE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(InProgramDirectory(kRecordingPlugin)));

    LoadRecording();
    SetResult("CleanUp", "0");
    doc->UnloadPlugin();
    EXPECT_FALSE(doc->IsPluginLoaded());
    EXPECT_FALSE(IsMapped(InProgramDirectory(kRecordingPlugin)));
    EXPECT_EQ(Calls(), std::vector<std::string>{"CleanUp"});
}

TEST_F(LoaderTest, DocumentCleansUpAfterTheWindowsAreGone) {
    LoadRecording();
    DestroyWindows();
    doc.reset();
    EXPECT_EQ(Calls(), std::vector<std::string>{"CleanUp"});
    EXPECT_FALSE(IsMapped(InProgramDirectory(kRecordingPlugin)));
}

}  // namespace
