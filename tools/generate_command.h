#pragma once

namespace CLI {
class App;
}

// barvella generate [--dir DIR] --out OUTDIR [--index NAME] [--style classic|modern]
void AddGenerateCommand(CLI::App& app);
