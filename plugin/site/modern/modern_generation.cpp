#include "site/modern/modern_generation.h"

#include <ctime>
#include <functional>

#include <SQLiteCpp/Exception.h>

#include "paths.h"
#include "site/modern/modern_site.h"
#include "site/site_context.h"
#include "site/site_model.h"

namespace {

using StepRenderer = std::function<bool(const modern::SiteInput&, const modern::PageSink&)>;

StepRenderer CategoryStep(modern::Category category) {
    return [category](const modern::SiteInput& site, const modern::PageSink& sink) {
        return modern::RenderCategoryPages(site, category, sink);
    };
}

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

}  // namespace

GenerationResult GenerateModernSite(SQLite::Database& database, const PluginSettings& settings,
                                    const std::string& outDirectory, const std::string& topPage,
                                    GenerationObserver& observer) {
    using modern::Category;
    // In the order of the classic steps, so the progress window reads the same.
    const StepRenderer steps[] = {
        CategoryStep(Category::Initial), CategoryStep(Category::Base),  CategoryStep(Category::Strong),
        CategoryStep(Category::Taste),   CategoryStep(Category::Style), CategoryStep(Category::Master),
        modern::RenderAllPage,           modern::RenderCocktailPages,
    };
    SiteModel model;
    SiteContext site(settings, model, outDirectory);
    GenerationResult result;
    const auto finish = [&](bool ok) {
        result.ok = ok;
        result.createdFiles = std::move(site.createdFiles);
        result.error = std::move(site.error);
        result.errorCocktail = std::move(site.errorCocktail);
        return result;
    };

    const GenerationTexts& texts = GenerationStatusTexts();
    observer.ShowStatus(texts.common);
    try {
        model.Load(database);
    } catch (const SQLite::Exception& e) {
        site.Fail(std::string("cannot read the database: ") + e.what());
        return finish(false);
    }
    const modern::SiteInput input{settings, model, topPage, CurrentYear()};
    std::vector<std::string> htmlPages;
    const modern::PageSink sink = [&](SitePage&& page) {
        if (page.name.size() > 5 && page.name.compare(page.name.size() - 5, 5, ".html") == 0)
            htmlPages.push_back(page.name);
        return WritePageFile(site, paths::Join(outDirectory, page.name), page.bytes);
    };
    try {
        if (!modern::RenderCommonPages(input, sink)) return finish(false);
        observer.Pause(std::chrono::milliseconds(200));
        observer.StepIt();
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            observer.ShowStatus(texts.steps[i]);
            if (!steps[i](input, sink)) return finish(false);
            observer.StepIt();
        }
        if (!modern::RenderCrawlerFiles(input, htmlPages, sink)) return finish(false);
    } catch (const modern::UnreadableCocktail& unreadable) {
        site.Fail(kUnreadable, unreadable.name);
        return finish(false);
    }
    observer.ShowStatus(texts.done);
    observer.Pause(std::chrono::milliseconds(500));
    return finish(true);
}
