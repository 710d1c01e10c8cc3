#include "site/modern/modern_site.h"

#include <functional>
#include <iterator>

#include "site/modern/modern_pages.h"

namespace modern {

namespace {

// Passes pages on and keeps the names of the HTML ones, for the sitemap.
class PageNames final : public PageSink {
public:
    explicit PageNames(PageSink& sink) : m_sink(sink) {}
    bool Open(const std::string& name) override { return m_sink.Open(name); }
    bool Put(const SitePage& page) override {
        if (page.name.ends_with(".html")) names.push_back(page.name);
        return m_sink.Put(page);
    }
    void PutCutOff(const SitePage& page, SiteFailure failure) override { m_sink.PutCutOff(page, std::move(failure)); }
    void Fail(SiteFailure failure) override { m_sink.Fail(std::move(failure)); }

    std::vector<std::string> names;

private:
    PageSink& m_sink;
};

using Step = std::function<bool(const SiteInput&, PageSink&)>;

Step CategoryStep(Category category) {
    return [category](const SiteInput& site, PageSink& sink) { return PutCategoryPages(site, category, sink); };
}

}  // namespace

bool PutModernSite(const SiteSource& source, const std::string& topPage, int year, PageSink& sink,
                   GenerationObserver& observer) {
    // In the order of GenerationStatusTexts' steps, so the progress window reads as for the
    // classic site.
    const Step steps[] = {
        CategoryStep(Category::Initial),
        CategoryStep(Category::Base),
        CategoryStep(Category::Strong),
        CategoryStep(Category::Taste),
        CategoryStep(Category::Style),
        CategoryStep(Category::Master),
        PutAllPage,
        PutCocktailPages,
    };
    const GenerationTexts& texts = GenerationStatusTexts();
    const SiteInput site{source.settings, source.model, topPage, year};
    PageNames named(sink);
    try {
        if (!PutCommonPages(site, named)) return false;
        observer.Pause(std::chrono::milliseconds(200));
        observer.StepIt();
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            observer.ShowStatus(texts.steps[i]);
            if (!steps[i](site, named)) return false;
            observer.StepIt();
        }
        if (!PutCrawlerFiles(site, named.names, named)) return false;
    } catch (const UnreadableCocktail& unreadable) {
        sink.Fail({kUnreadable, unreadable.name});
        return false;
    }
    observer.ShowStatus(texts.done);
    observer.Pause(std::chrono::milliseconds(500));
    return true;
}

}  // namespace modern
