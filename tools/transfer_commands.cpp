#include "transfer_commands.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <CLI/CLI.hpp>

#include "atomic_file.h"
#include "command.h"
#include "core/cocktail_transfer.h"
#include "paths.h"
#include "platform/file.h"
#include "platform/workspace_lock.h"

namespace {

namespace fs = std::filesystem;

// The most an import reads: a larger file is no cocktail collection.
constexpr std::uint64_t kMaxImportBytes = std::uint64_t{1} << 30;
constexpr const char* kStandardInput = "-";
constexpr std::size_t kCopyChunk = 64 * 1024;

struct TransferOptions {
    std::string directory = ".";
    std::string file;
    FileEncoding encoding = FileEncoding::Utf8;
    bool skipExisting = false;
};

std::string Count(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

CommandFailure TooLarge(const std::string& name) {
    return CommandFailure(name + " is larger than 1 GiB, more than an import reads");
}

// The file an import reads twice, once to check every line and then to store: a regular
// file, or standard input kept in a temporary file for the second reading.
class ImportFile {
public:
    explicit ImportFile(const std::string& name) : m_name(name), m_path(name) {
        if (name == kStandardInput) {
            KeepStandardInput();
            return;
        }
        std::error_code error;
        const fs::file_status status = fs::status(paths::Native(name), error);
        if (error) throw CommandFailure("cannot read " + name + ": " + error.message());
        if (status.type() != fs::file_type::regular)
            throw CommandFailure("cannot read " + name + ": it is not a file (standard input is -)");
    }

    // The file from its start. Reading throws when the file cannot be read or is too large,
    // so that no import stores what a short read left out.
    csv::Source Read() {
        m_stream = std::make_unique<std::ifstream>(paths::Native(m_path), std::ios::binary);
        if (!*m_stream) throw CommandFailure("cannot read " + m_name + ": " + std::strerror(errno));
        return [this, total = std::uint64_t{0}](char* buffer, std::size_t size) mutable {
            m_stream->read(buffer, static_cast<std::streamsize>(size));
            if (m_stream->bad()) throw CommandFailure("cannot read " + m_name + ": " + std::strerror(errno));
            const auto got = static_cast<std::size_t>(m_stream->gcount());
            if ((total += got) > kMaxImportBytes) throw TooLarge(m_name);
            return got;
        };
    }

private:
    void KeepStandardInput() {
        platform::File kept;
        std::error_code error;
        const std::string beside = paths::FromNative(fs::temp_directory_path(error) / "barvella-import");
        if (error || !kept.OpenTemporaryBeside(beside, m_path))
            throw CommandFailure("cannot keep standard input in a temporary file: " + kept.ErrorText());
        m_removal.path = m_path;
        std::vector<char> buffer(kCopyChunk);
        std::uint64_t total = 0;
        while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), stdin)) {
            if ((total += got) > kMaxImportBytes) throw TooLarge("standard input");
            if (!kept.Write(std::string_view(buffer.data(), got)))
                throw CommandFailure("cannot keep standard input in " + m_path + ": " + kept.ErrorText());
        }
        if (std::ferror(stdin)) throw CommandFailure("cannot read standard input: " + std::string(std::strerror(errno)));
        if (!kept.Close()) throw CommandFailure("cannot keep standard input in " + m_path + ": " + kept.ErrorText());
    }

    struct Removal {
        std::string path;
        ~Removal() {
            if (!path.empty()) platform::RemoveFile(path);
        }
    };

    std::string m_name, m_path;
    Removal m_removal;  // of the kept standard input
    std::unique_ptr<std::ifstream> m_stream;
};

// `refused` names what each refusal counts: lines of the file, or cocktails of the import.
[[noreturn]] void ReportRefusals(const std::string& file, const Refusals& refusals, const char* refused) {
    const std::vector<LineRefusal> listed = refusals.Listed();
    for (const LineRefusal& refusal : listed)
        std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), refusal.line, refusal.reason.c_str());
    if (refusals.count() > listed.size())
        std::fprintf(stderr, "%s: %zu more refused, not shown\n", file.c_str(), refusals.count() - listed.size());
    throw CommandFailure("nothing was imported (" + Count(refusals.count(), refused) + " refused)");
}

void Import(const TransferOptions& options) {
    ImportFile file(options.file);
    {
        CocktailFileReader check(file.Read(), options.encoding);
        for (FileCocktail cocktail; check.Next(cocktail);) {
        }
        if (options.encoding == FileEncoding::Utf8 && check.LooksLikeCp932())
            throw CommandFailure(options.file + " is Shift-JIS (CP932), not UTF-8: import it with --encoding cp932");
        if (!check.refusals().empty()) ReportRefusals(options.file, check.refusals(), "line");
    }

    if (platform::IsWorkspaceLocked(options.directory)) {
        throw CommandFailure("the workspace " + options.directory +
                             " is open in Folivex; nothing was imported, close Folivex and import again");
    }
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Change);
    CocktailFileReader reader(file.Read(), options.encoding);
    const ImportResult result = ImportCocktails(*store, reader, options.skipExisting);
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

// Cocktail by cocktail to the file, which takes the place of the old one only when whole, or
// to standard output.
void Export(const TransferOptions& options) {
    const std::unique_ptr<CocktailStore> store = OpenStore(options.directory, StoreAccess::Read);
    const bool toFile = !options.file.empty();
    fileio::ReplacementFile output;
    const auto unwritable = [&] {
        return CommandFailure(toFile ? "cannot write " + options.file + ": " + output.ErrorText()
                                     : "cannot write the standard output");
    };
    if (toFile && !output.Open(options.file)) throw unwritable();
    CocktailFileWriter writer(options.encoding, [&](std::string_view bytes) {
        return toFile ? output.Write(bytes) : std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    });
    std::size_t exported = 0;
    const StoreStatus read = store->VisitCocktails([&](const CocktailRecord& record, std::string& failure) {
        ++exported;
        return writer.Write(record, failure);
    });
    if (!read.ok()) throw CommandFailure("cannot export: " + read.reason);
    if (!writer.Finish() || !(toFile ? output.Commit() : std::fflush(stdout) == 0)) throw unwritable();
    if (toFile) std::printf("exported %s to %s\n", Count(exported, "cocktail").c_str(), options.file.c_str());
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
    command->add_option("FILE", options->file, "CSV file, one row per ingredient (see Barvella.txt); - reads standard input")->required();
    command->callback([options] { Import(*options); });
}

void AddExportCommand(CLI::App& app) {
    auto options = std::make_shared<TransferOptions>();
    CLI::App* command = AddTransferCommand(app, "export", "Write every cocktail of a workspace as CSV", options);
    command->add_option("FILE", options->file, "Output file (standard output without it)");
    command->callback([options] { Export(*options); });
}
