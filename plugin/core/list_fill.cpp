#include "core/list_fill.h"

#include <climits>

#include "core/code_tables.h"
#include "cp932.h"

namespace {

// A stored code as the code tables take it; -1 (no label) for NULL or a value beyond int.
int StoredCode(const std::optional<long long>& code) {
    if (!code || *code < INT_MIN || *code > INT_MAX) return -1;
    return static_cast<int>(*code);
}

// The five cell texts of a row, or false when the row cannot be shown.
bool RowTexts(const ListRow& row, std::string (&cells)[5]) {
    if (!row.baseName || !row.styleName) return false;
    cells[0] = row.name;
    cells[1] = *row.baseName;
    cells[2] = *row.styleName;
    return StrongLabel(StoredCode(row.strong), cells[3]) && TasteLabel(StoredCode(row.taste), cells[4]);
}
bool AddRow(IPluginList& list, const std::string (&cells)[5]) {
    const int item = list.InsertItem(0, cells[0]);
    if (item < 0) return false;
    for (int column = 1; column < 5; ++column) {
        if (!list.SetItemText(item, column, cells[column])) {
            list.DeleteItem(item);
            return false;
        }
    }
    return true;
}

}  // namespace

StoreStatus FillCocktailList(CocktailStore& store, IPluginList& list, const SearchConditions& conditions,
                             const PluginNotifier& notify) {
    bool skipped = false;
    std::string cells[5];
    const StoreStatus status = store.VisitListRows(conditions, [&](const ListRow& row) {
        if (!RowTexts(row, cells) || !AddRow(list, cells)) skipped = true;
    });
    if (!status.ok()) return status;
    if (skipped) {
        static const std::string message = cp932::Literal("エラーのため、取得できないレコードが存在します。");
        notify(message);
    }
    return status;
}
