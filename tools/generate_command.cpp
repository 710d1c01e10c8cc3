#include "generate_command.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "command.h"
#include "core/settings.h"
#include "paths.h"
#include "site/generation.h"

namespace {

struct GenerateOptions {
    std::string directory = ".";
    std::string outDirectory;
    std::string indexFileName = "index.html";
    std::string style;  // empty: the workspace's choice
    bool listWritten = false;
};

// No window and no one to read it, so no pauses either.
class SilentObserver : public GenerationObserver {
public:
    void ShowStatus(const std::string&) override {}
    void StepIt() override {}
    void Pause(std::chrono::milliseconds) override {}
};

void Generate(const GenerateOptions& options) {
    if (options.outDirectory.empty()) throw CommandFailure(kNoOutputDirectory);
    if (!paths::IsFileName(options.indexFileName))
        throw CommandFailure(std::string(kIndexNotAFileName) + ": " + options.indexFileName);
    const auto started = std::chrono::steady_clock::now();
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Read);
    PluginSettings settings;
    if (!LoadSettings(options.directory, settings))
        throw CommandFailure("cannot read the top-page comment " + paths::Join(options.directory, "BarvellaTC.fvxcmt"));
    if (!options.style.empty()) settings.siteStyle = *SiteStyleNamed(options.style);

    SilentObserver observer;
    const GenerationResult result =
        GenerateSite(*store, settings, options.outDirectory, options.indexFileName, observer);
    if (!result.ok) throw CommandFailure("generation failed: " + DescribeFailure(result));

    if (options.listWritten) {
        for (const std::string& path : result.writtenFiles) std::printf("%s\n", path.c_str());
        return;
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - started;
    const std::size_t written = result.writtenFiles.size();
    std::printf("wrote %zu %s to %s, %zu unchanged, in %.2f s\n", written, written == 1 ? "page" : "pages",
                options.outDirectory.c_str(), result.unchangedPages, seconds.count());
}

}  // namespace

void AddGenerateCommand(CLI::App& app) {
    auto options = std::make_shared<GenerateOptions>();
    CLI::App* command = app.add_subcommand("generate", "Write the web site of a workspace's cocktails");
    command
        ->add_option("--dir", options->directory,
                     "Workspace holding Barvella.ini, BarvellaTC.fvxcmt and Barvella.mdb (only read)")
        ->capture_default_str();
    command->add_option("--out", options->outDirectory, "Output directory, created when missing")->required();
    command->add_option("--index", options->indexFileName, "File name of the entry page inside the output directory")
        ->capture_default_str();
    command
        ->add_option("--style", options->style,
                     "classic (frames, Shift_JIS) or modern (HTML5, UTF-8); without it the workspace's choice")
        ->check(CLI::IsMember({SiteStyleName(SiteStyle::Classic), SiteStyleName(SiteStyle::Modern)}));
    command->add_flag("--list-written", options->listWritten,
                      "Print only the paths of the pages written (new or changed), one a line, for a deploy script");
    command->callback([options] { Generate(*options); });
}
