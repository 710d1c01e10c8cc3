#include "plugin_manual.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "paths.h"

namespace {

constexpr const char* kManualFileName = "Barvella.txt";

}  // namespace

std::string PluginManualPath(const std::string& hostDirectory) {
    const std::string inWorkspace = paths::Join(hostDirectory, kManualFileName);
    std::error_code error;
    if (std::filesystem::is_regular_file(inWorkspace, error)) return inWorkspace;
    return paths::Join(ModuleDirectory(), kManualFileName);
}

std::string ModuleDirectory() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<const void*>(&ModuleDirectory), &info) == 0 || info.dli_fname == nullptr ||
        *info.dli_fname == '\0')
        return {};
    std::error_code error;
    const std::filesystem::path module = std::filesystem::weakly_canonical(info.dli_fname, error);
    return error ? std::string() : module.parent_path().string();
}
