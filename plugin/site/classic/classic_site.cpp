#include "site/classic/classic_site.h"

#include <iterator>

#include "cp932.h"
#include "site/classic/category_pages.h"
#include "site/classic/cocktail_pages.h"
#include "site/classic/frame_pages.h"

namespace {

struct Step {
    const char* status;
    bool (*put)(const SiteSource&, PageSink&);
};

// Strength and taste come before style here, unlike the menu links; both orders are fixed.
const Step kSteps[] = {
    {"アルファベット別ファイルの生成中...", PutAlphabetMenu}, {"ベース別ファイルの生成中...", PutBaseMenu},
    {"アルコール強度別ファイルの生成中...", PutStrongMenu},   {"味わい別ファイルの生成中...", PutTasteMenu},
    {"スタイル別ファイルの生成中...", PutStyleMenu},          {"作者別ファイルの生成中...", PutMasterMenu},
    {"全カクテル一覧ファイルの生成中...", PutAllPage},        {"カクテル詳細ファイルの生成中...", PutCocktailPages},
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

const std::string& ClassicStartStatus() {
    return Texts().common;
}

bool PutClassicSite(const SiteSource& source, const std::string& indexFileName, int year, PageSink& sink,
                    GenerationObserver& observer) {
    const StatusTexts& texts = Texts();
    const PluginSettings& s = source.settings;
    const bool common = sink.Put(RenderIndexPage(s, indexFileName)) && sink.Put(RenderMainFrameset(s)) &&
                        sink.Put(RenderMenuPage(s)) && sink.Put(RenderTopPage(s)) && sink.Put(RenderTailPage(s, year));
    if (!common) return false;
    observer.Pause(std::chrono::milliseconds(200));
    observer.StepIt();

    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        observer.ShowStatus(texts.steps[i]);
        if (!kSteps[i].put(source, sink)) return false;
        observer.StepIt();
    }
    observer.ShowStatus(texts.done);
    observer.Pause(std::chrono::milliseconds(500));
    return true;
}
