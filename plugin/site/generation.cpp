#include "site/generation.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "cp932.h"
#include "paths.h"
#include "site/classic/classic_site.h"
#include "site/modern/modern_site.h"
#include "site/site_model.h"
#include "site/site_writer.h"
#include "store/cocktail_store.h"

namespace {

int CurrentYear() {
    // One thread only, so std::localtime's shared result is safe here.
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return (local != nullptr ? local->tm_year : 0) + 1900;
}

// A reason when the directory is neither there nor can be made.
std::string MakeDirectory(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(paths::Native(directory), error);
    if (!error && std::filesystem::is_directory(paths::Native(directory), error)) return {};
    return "cannot create the output directory " + directory + ": " +
           (error ? error.message() : std::string("a file of that name is in the way"));
}

}  // namespace

const GenerationTexts& GenerationStatusTexts() {
    // Strength and taste come before style here, unlike the menu links; both orders are fixed.
    static const GenerationTexts texts = [] {
        GenerationTexts made{cp932::Literal("共通ファイルの生成中..."), {}, cp932::Literal("HTML生成を完了しました。")};
        for (const char* step :
             {"アルファベット別ファイルの生成中...", "ベース別ファイルの生成中...",
              "アルコール強度別ファイルの生成中...", "味わい別ファイルの生成中...", "スタイル別ファイルの生成中...",
              "作者別ファイルの生成中...", "全カクテル一覧ファイルの生成中...", "カクテル詳細ファイルの生成中..."})
            made.steps.push_back(cp932::Literal(step));
        return made;
    }();
    return texts;
}

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
    if (!paths::IsFileName(indexFileName)) {
        result.error = std::string(kIndexNotAFileName) + ": " + indexFileName;
        return result;
    }
    observer.ShowStatus(GenerationStatusTexts().common);
    SiteModel model;
    StoreSnapshot snapshot;
    if (const StoreStatus read = store.ReadSnapshot(snapshot); !read.ok()) {
        result.error = "cannot read the database: " + read.reason;
        return result;
    }
    model.Load(std::move(snapshot));
    result.error = MakeDirectory(outDirectory);
    if (!result.error.empty()) return result;

    SiteWriter writer(outDirectory);
    const SiteSource source{settings, model};
    result.ok = settings.siteStyle == SiteStyle::Modern
                    ? modern::PutModernSite(source, indexFileName, CurrentYear(), writer, observer)
                    : PutClassicSite(source, indexFileName, CurrentYear(), writer, observer);
    result.writtenFiles = writer.Written();
    result.unchangedPages = writer.Unchanged();
    if (const auto& failure = writer.Failure()) {
        result.error = failure->what;
        result.errorCocktail = failure->cocktail;
    }
    return result;
}
