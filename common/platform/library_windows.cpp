#include "platform/library.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace platform {

const char* const kLibrarySuffix = ".dll";

namespace {

std::string FileOfModule(HMODULE module) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return ToUtf8(std::wstring_view(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

void* OpenLibrary(const std::string& path) {
    // A file that is no library must fail quietly, not with a system message box.
    DWORD previousMode = 0;
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE library = ::LoadLibraryW(ToWide(path).c_str());
    ::SetThreadErrorMode(previousMode, nullptr);
    return reinterpret_cast<void*>(library);
}

void* LibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) {
    ::FreeLibrary(static_cast<HMODULE>(library));
}

std::string ModuleFile(const void* address) {
    HMODULE module = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCWSTR>(address), &module))
        return {};
    return FileOfModule(module);
}

std::string ProgramFile() {
    return FileOfModule(nullptr);
}

bool NamesFolder(std::string_view name) {
    return name.find_first_of("/\\:") != std::string_view::npos;
}

}  // namespace platform
