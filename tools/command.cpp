#include "command.h"

#include <filesystem>
#include <map>

#include <CLI/CLI.hpp>

#include "paths.h"
#include "store/schema.h"

CommandFailure StoreFailure(const StoreStatus& status) {
    if (status.outcome == StoreOutcome::Busy)
        return CommandFailure(status.reason + "; nothing was changed, try again when it is done");
    return CommandFailure(status.reason);
}

std::unique_ptr<CocktailStore> OpenStore(const std::string& directory, StoreAccess access) {
    if (access == StoreAccess::Change) {
        std::error_code error;
        std::filesystem::create_directories(directory, error);
    }
    std::unique_ptr<CocktailStore> store;
    const StoreStatus status = CocktailStore::Open(paths::Join(directory, kDatabaseFileName), access, store);
    if (!status.ok()) throw StoreFailure(status);
    return store;
}
void AddEncodingOption(CLI::App& command, FileEncoding& encoding) {
    const std::map<std::string, FileEncoding> names{{"utf-8", FileEncoding::Utf8}, {"cp932", FileEncoding::Cp932}};
    // The name becomes the value the option stores; an unknown one is refused in words rather
    // than in the parser's own.
    const CLI::Validator byName(
        [names](std::string& name) -> std::string {
            const auto known = names.find(CLI::detail::to_lower(name));
            if (known == names.end()) return "unknown encoding \"" + name + "\": use utf-8 or cp932";
            name = std::to_string(static_cast<int>(known->second));
            return {};
        },
        "");
    command.add_option("--encoding", encoding, "Encoding of the file: utf-8 (default) or cp932 (Shift-JIS)")
        ->transform(byName)
        ->type_name("utf-8|cp932");
}
