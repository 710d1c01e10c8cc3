#include "site/classic/classic_site.h"

#include <iterator>

#include "site/classic/category_pages.h"
#include "site/classic/cocktail_pages.h"
#include "site/classic/frame_pages.h"

namespace {

// In the order of GenerationStatusTexts' steps.
bool (*const kSteps[])(const SiteSource&, PageSink&) = {
    PutAlphabetMenu, PutBaseMenu,   PutStrongMenu, PutTasteMenu,
    PutStyleMenu,    PutMasterMenu, PutAllPage,    PutCocktailPages,
};

}  // namespace

bool PutClassicSite(const SiteSource& source, const std::string& indexFileName, int year, PageSink& sink,
                    GenerationObserver& observer) {
    const GenerationTexts& texts = GenerationStatusTexts();
    const PluginSettings& s = source.settings;
    const bool common = sink.Put(RenderIndexPage(s, indexFileName)) && sink.Put(RenderMainFrameset(s)) &&
                        sink.Put(RenderMenuPage(s)) && sink.Put(RenderTopPage(s)) && sink.Put(RenderTailPage(s, year));
    if (!common) return false;
    observer.Pause(std::chrono::milliseconds(200));
    observer.StepIt();

    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        observer.ShowStatus(texts.steps[i]);
        if (!kSteps[i](source, sink)) return false;
        observer.StepIt();
    }
    observer.ShowStatus(texts.done);
    observer.Pause(std::chrono::milliseconds(500));
    return true;
}
