#include "transfer_commands.h"

#include <cstdio>
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "atomic_file.h"
#include "command.h"
#include "core/cocktail_transfer.h"
#include "core/workspace_mark.h"

namespace {

struct TransferOptions {
    std::string directory = ".";
    std::string file;
    FileEncoding encoding = FileEncoding::Utf8;
    bool skipExisting = false;
};

[[noreturn]] void ReportRefusals(const std::string& file, const std::vector<LineRefusal>& refusals) {
    for (const LineRefusal& refusal : refusals)
        std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), refusal.line, refusal.reason.c_str());
    throw CommandFailure("nothing was imported (" + std::to_string(refusals.size()) +
                         (refusals.size() == 1 ? " line" : " lines") + " refused)");
}

void Import(const TransferOptions& options) {
    std::string bytes;
    if (!fileio::ReadWholeFile(options.file, bytes)) throw CommandFailure("cannot read " + options.file);
    const CocktailFile file = ReadCocktailFile(bytes, options.encoding);
    if (!file.refusals.empty()) ReportRefusals(options.file, file.refusals);

    if (IsWorkspaceMarked(options.directory)) {
        throw CommandFailure("the workspace " + options.directory +
                             " is open in Folivex; nothing was imported, close Folivex and import again");
    }
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Change);
    const ImportResult result = ImportCocktails(*store, file.cocktails, options.skipExisting);
    switch (result.outcome) {
        case ImportOutcome::Stored:
            break;
        case ImportOutcome::Refused:
            ReportRefusals(options.file, result.refusals);
            break;
        case ImportOutcome::Locked:
            throw StoreFailure({StoreOutcome::Busy, result.failure});
        case ImportOutcome::Failed:
            throw CommandFailure("nothing was imported: " + result.failure);
    }
    std::printf("imported %d cocktails", result.stored);
    if (options.skipExisting) std::printf(", skipped %d already stored", result.skipped);
    std::printf("\n");
}

void Export(const TransferOptions& options) {
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Read);
    std::vector<CocktailRecord> cocktails;
    const StoreStatus read = store->VisitCocktails([&](const CocktailRecord& record, std::string&) {
        cocktails.push_back(record);
        return true;
    });
    if (!read.ok()) throw CommandFailure("cannot export: " + read.reason);
    std::string bytes;
    std::string failure;
    if (!WriteCocktailFile(cocktails, options.encoding, bytes, failure))
        throw CommandFailure("cannot export: " + failure);
    if (options.file.empty()) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
            throw CommandFailure("cannot write the standard output");
        return;
    }
    if (!fileio::WriteFileAtomically(options.file, bytes)) throw CommandFailure("cannot write " + options.file);
    std::printf("exported %zu cocktails to %s\n", cocktails.size(), options.file.c_str());
}

CLI::App* AddTransferCommand(CLI::App& app, const char* name, const char* description,
                             const std::shared_ptr<TransferOptions>& options) {
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("--dir", options->directory, "Workspace holding Barvella.mdb")->capture_default_str();
    AddEncodingOption(*command, options->encoding);
    return command;
}

}  // namespace

void AddImportCommand(CLI::App& app) {
    auto options = std::make_shared<TransferOptions>();
    CLI::App* command =
        AddTransferCommand(app, "import", "Add every cocktail of a CSV file to a workspace, all or nothing", options);
    command->add_flag("--skip-existing", options->skipExisting, "Skip cocktails whose name is already stored");
    command->add_option("FILE", options->file, "CSV file, one row per ingredient (see Barvella.txt)")->required();
    command->callback([options] { Import(*options); });
}

void AddExportCommand(CLI::App& app) {
    auto options = std::make_shared<TransferOptions>();
    CLI::App* command = AddTransferCommand(app, "export", "Write every cocktail of a workspace as CSV", options);
    command->add_option("FILE", options->file, "Output file (standard output without it)");
    command->callback([options] { Export(*options); });
}
