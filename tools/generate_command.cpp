#include "generate_command.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
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
    const auto started = std::chrono::steady_clock::now();
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Read);
    PluginSettings settings;
    if (!LoadSettings(options.directory, settings))
        throw CommandFailure("cannot read the top-page comment " + paths::Join(options.directory, "BarvellaTC.fvxcmt"));

    std::error_code error;
    std::filesystem::create_directories(options.outDirectory, error);
    if (error || !std::filesystem::is_directory(options.outDirectory))
        throw CommandFailure("cannot create the output directory " + options.outDirectory +
                             (error ? ": " + error.message() : ""));

    SilentObserver observer;
    const GenerationResult result =
        GenerateSite(*store, settings, options.outDirectory, options.indexFileName, observer);
    if (!result.ok) throw CommandFailure("generation failed: " + DescribeFailure(result));

    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - started;
    std::printf("wrote %zu files to %s in %.2f s\n", result.createdFiles.size(), options.outDirectory.c_str(),
                seconds.count());
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
    command->add_option("--index", options->indexFileName, "File name of the entry page")->capture_default_str();
    command->callback([options] { Generate(*options); });
}
