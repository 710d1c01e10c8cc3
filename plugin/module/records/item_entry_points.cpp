// The item entry points: add, copy, edit, view and delete a cocktail through the record
// dialog, keeping the host's row in step with the store.
#include <wx/msgdlg.h>

#include "cocktail_dialog.h"
#include "core/barvella_app.h"
#include "cp932.h"
#include "folivex/plugin.h"
#include "plugin_messages.h"
#include "utf8_text.h"

namespace {

void Warn(const char* utf8) {
    ShowPluginMessage(U(utf8), wxOK | wxICON_EXCLAMATION);
}

// The user is told that the change failed; a terminal, why.
void WarnStoreFailed(const StoreStatus& status, const char* utf8) {
    ReportFailure(status.reason);
    Warn(utf8);
}

CocktailStore& Store() {
    return *BarvellaApp().store;
}

bool Ready(const IPluginList* list) {
    return list != nullptr && BarvellaApp().store != nullptr;
}

// The cocktail named in the first selected row; false when none is selected or it cannot be read.
bool ReadSelectedCocktail(const IPluginList& list, CocktailRecord& cocktail) {
    const int row = list.GetFirstSelectedItem();
    if (row < 0) return false;
    const StoreStatus read = Store().ReadCocktail(list.GetItemText(row, 0), cocktail);
    if (!read.ok()) ReportFailure(read.reason);
    return read.ok();
}

// Caption, mode and the name lists; false when the ingredient names cannot be read.
bool PrepareDialog(CCocktailDialog& dialog, const char* caption, RecordDialogMode mode) {
    std::vector<std::string> materialNames;
    if (const StoreStatus read = Store().ReadMaterialNames(materialNames); !read.ok()) {
        ReportFailure(read.reason);
        return false;
    }
    dialog.SetCaption(cp932::Literal(caption));
    dialog.m_nMode = mode;
    dialog.SetBaseNames(Store().BaseNames());
    dialog.SetMasterNames(Store().MasterNames());
    dialog.SetStyleNames(Store().StyleNames());
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
    cocktail.materials = dialog.m_mapMaterials;
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
    while (dialog.ShowModal() == wxID_OK) {
        bool taken = false;
        if (const StoreStatus found = Store().ContainsCocktail(dialog.m_strName, taken); !found.ok()) {
            WarnStoreFailed(found, "カクテルの追加に失敗しました。");
            continue;
        }
        if (taken) {
            Warn("指定されたカクテルはすでに登録済みです。");
            continue;
        }
        const int row = list.InsertItem(0, dialog.m_strName);
        if (row < 0) return PLUGIN_FAILED;
        ShowInRow(list, row, dialog);
        CocktailRecord cocktail = EnteredCocktail(dialog, picture);
        const StoreStatus stored = Store().Insert(cocktail);
        if (stored.ok()) return PLUGIN_OK;
        list.DeleteItem(row);
        WarnStoreFailed(stored, "カクテルの追加に失敗しました。");
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
        if (row < 0) return PLUGIN_FAILED;
        const StoreStatus replaced = Store().Replace(dialog.m_strName, edited);
        if (replaced.ok()) {
            ShowInRow(*list, row, dialog);
            return PLUGIN_OK;
        }
        WarnStoreFailed(replaced, "カクテルの編集に失敗しました。");
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
    if (const StoreStatus deleted = Store().Delete(list->GetItemText(row, 0)); !deleted.ok()) {
        ReportFailure(deleted.reason);
        return PLUGIN_FAILED;
    }
    if (!list->DeleteItem(row)) return PLUGIN_FAILED;
    return PLUGIN_OK;
}
