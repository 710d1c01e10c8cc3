#include "site/generation.h"

#include <iterator>

#include "cp932.h"
#include "site/category_pages.h"
#include "site/cocktail_pages.h"
#include "site/frame_pages.h"
#include "site/site_context.h"
#include "site/site_model.h"
#include "store/cocktail_store.h"

namespace {

struct Step {
    const char* status;
    bool (*writer)(SiteContext&);
};

// Strength and taste come before style here, unlike the menu links; both orders are fixed.
const Step kSteps[] = {
    {"アルファベット別ファイルの生成中...", WriteAlphabetMenu}, {"ベース別ファイルの生成中...", WriteBaseMenu},
    {"アルコール強度別ファイルの生成中...", WriteStrongMenu},   {"味わい別ファイルの生成中...", WriteTasteMenu},
    {"スタイル別ファイルの生成中...", WriteStyleMenu},          {"作者別ファイルの生成中...", WriteMasterMenu},
    {"全カクテル一覧ファイルの生成中...", WriteAllPage},        {"カクテル詳細ファイルの生成中...", WriteCocktailPages},
};

struct StatusTexts {
    std::string common = cp932::Literal("共通ファイルの生成中...");
    std::string done = cp932::Literal("HTML生成を完了しました。");
    std::vector<std::string> steps;
    StatusTexts() {
        for (const Step& step : kSteps) steps.push_back(cp932::Literal(step.status));
    }
};

const StatusTexts& Texts() {
    static const StatusTexts texts;
    return texts;
}

}  // namespace

std::string DescribeFailure(const GenerationResult& result) {
    if (result.errorCocktail.empty()) return result.error;
    return "cocktail " + cp932::ToUtf8(result.errorCocktail).value_or(result.errorCocktail) + " " + result.error;
}

GenerationResult GenerateSite(CocktailStore& store, const PluginSettings& settings, const std::string& outDirectory,
                              const std::string& indexFileName, GenerationObserver& observer) {
    GenerationResult result;
    if (outDirectory.empty()) {
        result.error = kNoOutputDirectory;
        return result;
    }
    SiteModel model;
    SiteContext site(settings, model, outDirectory);
    const auto finish = [&](bool ok) {
        result.ok = ok;
        result.createdFiles = std::move(site.createdFiles);
        result.error = std::move(site.error);
        result.errorCocktail = std::move(site.errorCocktail);
        return result;
    };

    const StatusTexts& texts = Texts();
    observer.ShowStatus(texts.common);
    StoreSnapshot snapshot;
    if (const StoreStatus read = store.ReadSnapshot(snapshot); !read.ok()) {
        site.Fail("cannot read the database: " + read.reason);
        return finish(false);
    }
    model.Load(std::move(snapshot));
    const bool common = WriteIndexPage(site, indexFileName) && WriteMainFrameset(site) && WriteMenuPage(site) &&
                        WriteTopPage(site) && WriteTailPage(site);
    if (!common) return finish(false);
    observer.Pause(std::chrono::milliseconds(200));
    observer.StepIt();

    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        observer.ShowStatus(texts.steps[i]);
        if (!kSteps[i].writer(site)) return finish(false);
        observer.StepIt();
    }
    observer.ShowStatus(texts.done);
    observer.Pause(std::chrono::milliseconds(500));
    return finish(true);
}
