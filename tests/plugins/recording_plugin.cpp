// A complete test plug-in: every entry point records its call and answers what the test
// chose (see recording_plugin_control.h).
#include "cp932.h"
#include "recording_support.h"

using namespace recording_plugin;

FOLIVEX_PLUGIN_EXPORT int StartUp(IPluginList* list, const char* startupDirectory) {
    const int result = RecordStartUp(list, startupDirectory);
    if (std::getenv(kFillVariable) == nullptr || list == nullptr) {
        return result;
    }
    // Five columns and a few rows in Japanese, so a screenshot shows real texts.
    list->SetFullRowSelect(true);
    const char* const headings[] = {"名前", "ベース", "スタイル", "強さ", "作者"};
    const int widths[] = {160, 100, 100, 60, 100};
    for (int column = 0; column < 5; ++column) {
        list->InsertColumn(column, cp932::Literal(headings[column]), ListColumnAlign::Left, widths[column]);
    }
    const char* const rows[][5] = {
        {"ジン・トニック", "ジン", "ロング", "弱い", "バーテンダー"},
        {"マティーニ", "ジン", "ショート", "強い", "バーテンダー"},
        {"モスコー・ミュール", "ウォッカ", "ロング", "弱い", "常連"},
        {"サイドカー", "ブランデー", "ショート", "中程度", "常連"},
    };
    for (const auto& row : rows) {
        const int item = list->InsertItem(list->GetItemCount(), cp932::Literal(row[0]));
        for (int column = 1; column < 5; ++column) {
            list->SetItemText(item, column, cp932::Literal(row[column]));
        }
    }
    return result;
}

FOLIVEX_PLUGIN_EXPORT int CleanUp() {
    return RecordCall("CleanUp");
}

FOLIVEX_PLUGIN_EXPORT int CreateHTML(IPluginList* list, const char* outDirectory, const char* indexFileName) {
    return RecordCall("CreateHTML", "\t" + DescribeList(list) + "\t" + outDirectory + "\t" + indexFileName);
}

FOLIVEX_PLUGIN_EXPORT int AddItem(IPluginList* list) {
    return RecordListCall("AddItem", list);
}
FOLIVEX_PLUGIN_EXPORT int DeleteItem(IPluginList* list) {
    return RecordListCall("DeleteItem", list);
}
FOLIVEX_PLUGIN_EXPORT int EditItem(IPluginList* list) {
    return RecordListCall("EditItem", list);
}
FOLIVEX_PLUGIN_EXPORT int CopyItem(IPluginList* list) {
    return RecordListCall("CopyItem", list);
}
FOLIVEX_PLUGIN_EXPORT int ViewItem(IPluginList* list) {
    return RecordListCall("ViewItem", list);
}
FOLIVEX_PLUGIN_EXPORT int SearchItem(IPluginList* list) {
    return RecordListCall("SearchItem", list);
}
FOLIVEX_PLUGIN_EXPORT int ClearList(IPluginList* list) {
    return RecordListCall("ClearList", list);
}
FOLIVEX_PLUGIN_EXPORT int Option() {
    return RecordCall("Option");
}
FOLIVEX_PLUGIN_EXPORT int About() {
    return RecordCall("About");
}
FOLIVEX_PLUGIN_EXPORT int Help() {
    return RecordCall("Help");
}
