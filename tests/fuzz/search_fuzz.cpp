// Search conditions with any bytes as names: the composed query always runs, and lists exactly
// the stored cocktails that a plain reading of the conditions picks, each once.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/list_fill.h"
#include "cp932.h"
#include "store/cocktail_record.h"
#include "store/cocktail_store.h"
#include "store/schema.h"
#include "test_support.h"

const char* const kNames[] = {"Gin", "gin", "Rum's", "\x83\x41", "\x83\x61"};

// Twelve cocktails over a few bases and ingredients whose names differ by case or trail byte;
// two of them hold both "Gin" and "gin", which must list them once.
std::vector<CocktailRecord> Cocktails() {
    std::vector<CocktailRecord> cocktails(12);
    for (int i = 0; i < 12; ++i) {
        CocktailRecord& c = cocktails[i];
        c.name = "C" + std::to_string(i), c.baseName = kNames[i % 5], c.styleName = "Short", c.howTo = "stir";
        c.strong = i % 5, c.taste = (i * 3) % 5;
        c.materials = {{kNames[(i + 1) % 5], "1"}, {kNames[(i + 2) % 5], "1"}};
    }
    return cocktails;
}

CocktailStore& Store() {
    static testsupport::TempDirectory directory;
    static std::unique_ptr<CocktailStore> store;
    if (store) return *store;
    if (!CocktailStore::Open(directory.File("Barvella.mdb"), StoreAccess::Change, store).ok()) std::abort();
    for (CocktailRecord c : Cocktails())
        if (!store->Insert(c).ok()) std::abort();
    return *store;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 4, size - 4);
    const auto name = [&](std::uint8_t pick, std::string raw) {
        return pick < 128 ? std::string(kNames[pick % 5]) : pick < 192 ? std::string() : raw;
    };
    const SearchConditions conditions{name(data[0], rest.substr(0, rest.size() / 2)),
                                      name(data[1], rest.substr(rest.size() / 2)), data[2] % 6 - 1, data[3] % 6 - 1};

    testsupport::FakePluginList list;
    for (int column = 0; column < 5; ++column) list.InsertColumn(column, "", ListColumnAlign::Left, 10);
    if (!FillCocktailList(Store(), list, conditions, [](const std::string&) {}).ok()) std::abort();
    const auto same = [](const std::string& a, const std::string& b) { return cp932::CompareNames(a, b) == 0; };
    std::vector<std::string> expected;
    for (const CocktailRecord& c : Cocktails()) {
        const bool base = conditions.baseName.empty() || same(c.baseName, conditions.baseName);
        const bool material = conditions.materialName.empty() ||
                              std::any_of(c.materials.begin(), c.materials.end(),
                                          [&](const auto& m) { return same(m.first, conditions.materialName); });
        if (base && material && (conditions.strong < 0 || c.strong == conditions.strong) &&
            (conditions.taste < 0 || c.taste == conditions.taste))
            expected.push_back(c.name);
    }
    std::vector<std::string> listed = list.Texts(0);
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    if (listed != expected) std::abort();
    return 0;
}
