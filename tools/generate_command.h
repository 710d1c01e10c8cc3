#pragma once

namespace CLI {
class App;
}

// barvella generate [--dir DIR] --out OUTDIR [--index NAME]
void AddGenerateCommand(CLI::App& app);
