#include "transfer_commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "atomic_file.h"
#include "command.h"
#include "core/cocktail_transfer.h"
#include "cp932.h"
#include "platform/workspace_lock.h"

namespace {

struct TransferOptions {
    std::string directory = ".";
    std::string file;
    FileEncoding encoding = FileEncoding::Utf8;
    bool skipExisting = false;
};

std::string Count(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// `refused` names what each refusal counts: lines of the file, or cocktails of the import.
[[noreturn]] void ReportRefusals(const std::string& file, const std::vector<LineRefusal>& refusals,
                                 const char* refused) {
    for (const LineRefusal& refusal : refusals)
        std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), refusal.line, refusal.reason.c_str());
    throw CommandFailure("nothing was imported (" + Count(refusals.size(), refused) + " refused)");
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : lead >> 5 == 0x6  ? 2
                                   : lead >> 4 == 0xE  ? 3
                                   : lead >> 3 == 0x1E ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// A file a spreadsheet program saved in Shift-JIS, read as UTF-8, would be refused line by
// line; it is told by reading as CP932 throughout but not as UTF-8.
bool IsCp932Only(std::string_view bytes) {
    return !IsUtf8(bytes) && cp932::ToUtf8(bytes).has_value();
}

void Import(const TransferOptions& options) {
    std::string bytes;
    if (!fileio::ReadWholeFile(options.file, bytes))
        throw CommandFailure("cannot read " + options.file + ": " + std::strerror(errno));
    if (options.encoding == FileEncoding::Utf8 && IsCp932Only(bytes))
        throw CommandFailure(options.file + " is Shift-JIS (CP932), not UTF-8: import it with --encoding cp932");
    const CocktailFile file = ReadCocktailFile(bytes, options.encoding);
    if (!file.refusals.empty()) ReportRefusals(options.file, file.refusals, "line");

    if (platform::IsWorkspaceLocked(options.directory)) {
        throw CommandFailure("the workspace " + options.directory +
                             " is open in Folivex; nothing was imported, close Folivex and import again");
    }
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Change);
    const ImportResult result = ImportCocktails(*store, file.cocktails, options.skipExisting);
    switch (result.outcome) {
        case ImportOutcome::Stored:
            break;
        case ImportOutcome::Refused:
            ReportRefusals(options.file, result.refusals, "cocktail");
            break;
        case ImportOutcome::Locked:
            throw StoreFailure({StoreOutcome::Busy, result.failure});
        case ImportOutcome::Failed:
            throw CommandFailure("nothing was imported: " + result.failure);
    }
    std::printf("imported %s", Count(static_cast<std::size_t>(result.stored), "cocktail").c_str());
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
    std::printf("exported %s to %s\n", Count(cocktails.size(), "cocktail").c_str(), options.file.c_str());
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
