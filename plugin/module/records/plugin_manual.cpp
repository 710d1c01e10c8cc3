#include "plugin_manual.h"

#include <filesystem>
#include <system_error>

#include "paths.h"
#include "platform/library.h"

namespace {

constexpr const char* kManualFileName = "Barvella.txt";

}  // namespace

std::string PluginManualPath(const std::string& hostDirectory) {
    const std::string inWorkspace = paths::Join(hostDirectory, kManualFileName);
    std::error_code error;
    if (std::filesystem::is_regular_file(paths::Native(inWorkspace), error)) return inWorkspace;
    return paths::Join(ModuleDirectory(), kManualFileName);
}

std::string ModuleDirectory() {
    const std::string module = platform::ModuleFile(reinterpret_cast<const void*>(&ModuleDirectory));
    return module.empty() ? std::string() : paths::FromNative(paths::Native(module).parent_path());
}
