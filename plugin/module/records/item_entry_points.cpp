// The item entry points: add, copy, edit, view and delete a cocktail through the record
// dialog, keeping the host's row in step with the store.
#include <wx/msgdlg.h>

#include "cocktail_dialog.h"
#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "cp932.h"
#include "folivex/plugin.h"
#include "plugin_messages.h"
#include "utf8_text.h"

namespace {

void Warn(const char* utf8) {
    ShowPluginMessage(U(utf8), wxOK | wxICON_EXCLAMATION);
}

// The user is told that the change failed; a terminal, why.
void WarnStoreFailed(const char* utf8) {
    ReportFailure(LastDatabaseError());
    Warn(utf8);
}

bool Ready(const IPluginList* list) {
    return list != nullptr && BarvellaApp().database != nullptr;
}

// The cocktail named in the first selected row; false when none is selected or it cannot be read.
bool ReadSelectedCocktail(const IPluginList& list, CocktailRecord& cocktail) {
    const int row = list.GetFirstSelectedItem();
    return row >= 0 && ReadCocktail(*BarvellaApp().database, list.GetItemText(row, 0), cocktail);
}

// Caption, mode and the name lists; false when the ingredient names cannot be read.
bool PrepareDialog(CCocktailDialog& dialog, const char* caption, RecordDialogMode mode) {
    const CBarvellaApp& app = BarvellaApp();
    std::vector<std::string> materialNames;
    if (!LoadMaterialNames(*app.database, materialNames)) return false;
    dialog.SetCaption(cp932::Literal(caption));
    dialog.m_nMode = mode;
    dialog.SetBaseNames(app.baseNames);
    dialog.SetMasterNames(app.masterNames);
    dialog.SetStyleNames(app.styleNames);
    dialog.SetMaterialNames(materialNames);
    return true;
}

// Everything of the cocktail but its name.
void ShowCocktail(CCocktailDialog& dialog, const CocktailRecord& cocktail) {
    dialog.m_nInitial = cocktail.initial;
    dialog.m_nStrong = cocktail.strong;
    dialog.m_nTaste = cocktail.taste;
    dialog.m_strStyle = cocktail.styleName;
    dialog.m_strBase = cocktail.baseName;
    dialog.m_strHowTo = cocktail.howTo;
    dialog.m_strMemo = cocktail.memo;
    dialog.m_strMaster = cocktail.masterName;
    dialog.m_mapMaterials = cocktail.materials;
}

// The dialog's cocktail with `picture`, which the dialog does not show; the store resolves
// the names.
CocktailRecord EnteredCocktail(const CCocktailDialog& dialog, const std::string& picture) {
    CocktailRecord cocktail;
    cocktail.picture = picture;
    cocktail.name = dialog.m_strName;
    cocktail.initial = dialog.m_nInitial;
    cocktail.strong = dialog.m_nStrong;
    cocktail.taste = dialog.m_nTaste;
    cocktail.styleName = dialog.m_strStyle;
    cocktail.baseName = dialog.m_strBase;
    cocktail.howTo = dialog.m_strHowTo;
    cocktail.memo = dialog.m_strMemo;
    cocktail.masterName = dialog.m_strMaster;
    return cocktail;
}

void ShowInRow(IPluginList& list, int row, const CCocktailDialog& dialog) {
    list.SetItemText(row, 1, dialog.m_strBase);
    list.SetItemText(row, 2, dialog.m_strStyle);
    list.SetItemText(row, 3, dialog.m_strStrongLabel);
    list.SetItemText(row, 4, dialog.m_strTasteLabel);
}

// Runs the dialog until a new cocktail is stored or the user cancels; a refused or failed
// write shows the dialog again with everything entered. A copy keeps its source's picture.
int AddUntilStored(IPluginList& list, CCocktailDialog& dialog, const std::string& picture = {}) {
    CBarvellaApp& app = BarvellaApp();
    while (dialog.ShowModal() == wxID_OK) {
        int index = 0;
        if (FindCocktailIndex(*app.database, dialog.m_strName, index)) {
            Warn("指定されたカクテルはすでに登録済みです。");
            continue;
        }
        const int row = list.InsertItem(0, dialog.m_strName);
        if (row < 0) return PLUGIN_FAILED;
        ShowInRow(list, row, dialog);
        CocktailRecord cocktail = EnteredCocktail(dialog, picture);
        if (InsertCocktail(app, cocktail, dialog.m_mapMaterials)) return PLUGIN_OK;
        list.DeleteItem(row);
        WarnStoreFailed("カクテルの追加に失敗しました。");
    }
    return PLUGIN_OK;
}

}  // namespace

FOLIVEX_PLUGIN_EXPORT int AddItem(IPluginList* list) {
    if (!Ready(list)) return PLUGIN_FAILED;
    CCocktailDialog dialog;
    if (!PrepareDialog(dialog, "カクテルの追加", ModeAdd)) return PLUGIN_FAILED;
    return AddUntilStored(*list, dialog);
}

FOLIVEX_PLUGIN_EXPORT int CopyItem(IPluginList* list) {
    CocktailRecord source;
    if (!Ready(list) || !ReadSelectedCocktail(*list, source)) return PLUGIN_FAILED;
    CCocktailDialog dialog;
    if (!PrepareDialog(dialog, "カクテルをコピーして追加", ModeAdd)) return PLUGIN_FAILED;
    ShowCocktail(dialog, source);
    return AddUntilStored(*list, dialog, source.picture);
}

// The name cannot change, so the edit replaces the cocktail of that name in one transaction:
// a failed write leaves the stored cocktail and its row as they were.
FOLIVEX_PLUGIN_EXPORT int EditItem(IPluginList* list) {
    CocktailRecord stored;
    if (!Ready(list) || !ReadSelectedCocktail(*list, stored)) return PLUGIN_FAILED;
    CCocktailDialog dialog;
    if (!PrepareDialog(dialog, "カクテルの編集", ModeEdit)) return PLUGIN_FAILED;
    ShowCocktail(dialog, stored);
    dialog.m_strName = stored.name;
    while (dialog.ShowModal() == wxID_OK) {
        const int row = list->GetFirstSelectedItem();
        CocktailRecord edited = EnteredCocktail(dialog, stored.picture);
        if (row >= 0 && ReplaceCocktail(BarvellaApp(), dialog.m_strName, edited, dialog.m_mapMaterials)) {
            ShowInRow(*list, row, dialog);
            return PLUGIN_OK;
        }
        WarnStoreFailed("カクテルの編集に失敗しました。");
    }
    return PLUGIN_OK;
}

FOLIVEX_PLUGIN_EXPORT int ViewItem(IPluginList* list) {
    CocktailRecord stored;
    if (!Ready(list) || !ReadSelectedCocktail(*list, stored)) return PLUGIN_FAILED;
    CCocktailDialog dialog;
    if (!PrepareDialog(dialog, "カクテルの詳細表示", ModeView)) return PLUGIN_FAILED;
    ShowCocktail(dialog, stored);
    dialog.m_strName = stored.name;
    dialog.ShowModal();
    return PLUGIN_OK;
}

FOLIVEX_PLUGIN_EXPORT int DeleteItem(IPluginList* list) {
    if (!Ready(list)) return PLUGIN_FAILED;
    const int row = list->GetFirstSelectedItem();
    if (row < 0) return PLUGIN_FAILED;
    if (ShowPluginMessage(U("選択中のカクテルを削除してもよろしいですか？"), wxOK | wxCANCEL | wxICON_QUESTION) !=
        wxID_OK)
        return PLUGIN_OK;
    if (!DeleteCocktail(BarvellaApp(), list->GetItemText(row, 0))) {
        ReportFailure(LastDatabaseError());
        return PLUGIN_FAILED;
    }
    if (!list->DeleteItem(row)) return PLUGIN_FAILED;
    return PLUGIN_OK;
}
