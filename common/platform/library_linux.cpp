#include "platform/library.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace platform {

const char* const kLibrarySuffix = ".so";

void* OpenLibrary(const std::string& path) {
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* LibrarySymbol(void* library, const char* name) {
    return ::dlsym(library, name);
}

void CloseLibrary(void* library) {
    ::dlclose(library);
}

std::string ModuleFile(const void* address) {
    Dl_info info{};
    if (::dladdr(address, &info) == 0 || info.dli_fname == nullptr || *info.dli_fname == '\0') return {};
    std::error_code error;
    const std::filesystem::path module = std::filesystem::weakly_canonical(info.dli_fname, error);
    return error ? std::string() : module.string();
}

std::string ProgramFile() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}

bool NamesFolder(std::string_view name) {
    return name.find('/') != std::string_view::npos;
}

}  // namespace platform
