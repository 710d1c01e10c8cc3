#include "list_fill.h"

#include <climits>

#include <SQLiteCpp/Statement.h>

#include "code_tables.h"
#include "cp932.h"
#include "schema.h"

namespace {

// One joined query instead of two name look-ups per row; a missing base or style row
// shows as NULL.
constexpr const char* kSelectRows =
    "SELECT A.FLD_NAME, BASEROW.FLD_NAME, STYLEROW.FLD_NAME, A.FLD_STRONG, A.FLD_TASTE FROM TBL_COCKTAIL A "
    "LEFT JOIN TBL_BASE BASEROW ON BASEROW.FLD_INDEX = A.FLD_BASE "
    "LEFT JOIN TBL_STYLE STYLEROW ON STYLEROW.FLD_INDEX = A.FLD_STYLE";

// A stored code as the code tables take it; -1 (no label) for NULL or a value beyond int.
int StoredCode(const SQLite::Column& column) {
    if (column.isNull()) return -1;
    const long long value = column.getInt64();
    return value < INT_MIN || value > INT_MAX ? -1 : static_cast<int>(value);
}

// The five cell texts of a row, or false when the row cannot be shown.
bool RowTexts(SQLite::Statement& rows, std::string (&cells)[5]) {
    for (int column = 0; column < 3; ++column) {
        if (rows.getColumn(column).isNull()) return false;
        cells[column] = rows.getColumn(column).getString();
    }
    return StrongLabel(StoredCode(rows.getColumn(3)), cells[3]) && TasteLabel(StoredCode(rows.getColumn(4)), cells[4]);
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

bool FillCocktailList(SQLite::Database& database, IPluginList& list, const CocktailQuery& query,
                      const PluginNotifier& notify) {
    bool skipped = false;
    try {
        std::string sql = kSelectRows;
        if (!query.condition.empty()) sql += " WHERE " + query.condition;
        SQLite::Statement rows(database, sql);
        int position = 1;
        for (const auto& value : query.values) {
            std::visit([&](const auto& bound) { rows.bind(position, bound); }, value);
            ++position;
        }
        std::string cells[5];
        while (rows.executeStep()) {
            if (!RowTexts(rows, cells) || !AddRow(list, cells)) skipped = true;
        }
    } catch (const std::exception& error) {
        return DatabaseFailed(error.what());
    }
    if (skipped) {
        static const std::string message = cp932::Literal("エラーのため、取得できないレコードが存在します。");
        notify(message);
    }
    return true;
}
