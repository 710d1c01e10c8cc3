#include "platform/workspace_lock.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>

#include "platform/wide_text.h"

namespace platform {

namespace {

// One name per folder however it is spelt: the folder's final path (links, short names and
// drive letters resolved), in upper case as Windows compares file names. The path is hashed
// because kernel object names are short and take no backslash.
std::wstring LockName(const std::string& folder) {
    HANDLE handle = ::CreateFileW(ToWide(folder).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length >= path.size()) {
        path.resize(length);
        length = ::GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    ::CloseHandle(handle);
    if (length == 0 || length >= path.size()) return {};
    path.resize(length);
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : path) {
        hash ^= static_cast<std::uint64_t>(std::towupper(c));
        hash *= 1099511628211ull;
    }
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\Folivex.Workspace.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

WorkspaceLock::WorkspaceLock(const std::string& folder) : m_handle(0) {
    const std::wstring name = LockName(folder);
    if (!name.empty()) m_handle = reinterpret_cast<std::intptr_t>(::CreateMutexW(nullptr, FALSE, name.c_str()));
}

WorkspaceLock::~WorkspaceLock() {
    if (m_handle != 0) ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

bool IsWorkspaceLocked(const std::string& folder) {
    const std::wstring name = LockName(folder);
    if (name.empty()) return false;
    HANDLE held = ::OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
    if (held == nullptr) return false;
    ::CloseHandle(held);
    return true;
}

}  // namespace platform
