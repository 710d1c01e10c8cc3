#pragma once

namespace CLI {
class App;
}

// barvella import [--dir DIR] [--encoding utf-8|cp932] [--skip-existing] FILE
void AddImportCommand(CLI::App& app);

// barvella export [--dir DIR] [--encoding utf-8|cp932] [FILE]
void AddExportCommand(CLI::App& app);
