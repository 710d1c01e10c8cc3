// barvella: the command-line companion. Each command lives in its own file and registers
// itself here.
#include <algorithm>
#include <cstdio>

#include <SQLiteCpp/Exception.h>
#include <CLI/CLI.hpp>

#include "command.h"
#include "generate_command.h"
#include "platform/command_line.h"
#include "transfer_commands.h"

int main(int argc, char** argv) {
    CLI::App app("Barvella cocktail workspace tool", "barvella");
    app.require_subcommand(1);
    // A path may begin with '/' on Windows too, so "/name" is never an option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", "barvella " BARVELLA_VERSION);
    AddGenerateCommand(app);
    AddImportCommand(app);
    AddExportCommand(app);
    // The parser would call a mistyped command a missing one.
    const auto named = [&argv](const CLI::App* command) { return command->check_name(argv[1]); };
    if (argc > 1 && argv[1][0] != '-' && app.get_subcommands(named).empty()) {
        std::fprintf(
            stderr,
            "barvella: unknown command \"%s\": the commands are generate, import and export (see barvella --help)\n",
            argv[1]);
        return 1;
    }
    platform::UseBinaryStandardStreams();
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> arguments = platform::CommandLineArguments(argc, argv);
        std::reverse(arguments.begin(), arguments.end());
        app.parse(arguments);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 1;
    } catch (const CommandFailure& e) {
        std::fprintf(stderr, "barvella: %s\n", e.what());
        return 1;
    } catch (const SQLite::Exception& e) {
        std::fprintf(stderr, "barvella: database error: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "barvella: %s\n", e.what());
        return 1;
    }
    return 0;
}
