#include "platform/file.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <string_view>

#include "platform/wide_text.h"

namespace platform {

namespace {

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Others may read and replace a file while it is written, as on Linux.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

File::~File() {
    if (IsOpen()) ::CloseHandle(Handle(m_handle));
}

bool File::Failed() {
    const DWORD code = ::GetLastError();
    m_error = (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) ? FileError::Exists
              : (code == ERROR_ACCESS_DENIED || code == ERROR_WRITE_PROTECT) ? FileError::Denied
                                                                              : FileError::Other;
    m_errorText = platform::ErrorText(code);
    return false;
}

bool File::Open(const std::string& path, Mode mode, bool forReading) {
    const DWORD disposition =
        mode == Mode::CreateNew ? CREATE_NEW : mode == Mode::Existing ? OPEN_EXISTING : OPEN_ALWAYS;
    const DWORD access = forReading ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE;
    m_handle = reinterpret_cast<std::intptr_t>(
        ::CreateFileW(ToWide(path).c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    m_written = 0;
    return IsOpen() || Failed();
}

bool File::OpenTemporaryBeside(const std::string& path, std::string& temporaryPath) {
    // Process id and a counter make the name; CREATE_NEW makes sure it is nobody else's.
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            path + "." + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        if (Open(name, Mode::CreateNew)) {
            temporaryPath = name;
            return true;
        }
        if (m_error != FileError::Exists) return false;
    }
    return false;
}

bool File::IsOpen() const {
    return Handle(m_handle) != INVALID_HANDLE_VALUE;
}

std::optional<File::Status> File::GetStatus() {
    LARGE_INTEGER size{};
    const bool regular = ::GetFileType(Handle(m_handle)) == FILE_TYPE_DISK;
    if (regular && !::GetFileSizeEx(Handle(m_handle), &size)) {
        Failed();
        return std::nullopt;
    }
    return Status{regular, static_cast<std::uint64_t>(size.QuadPart)};
}

bool File::ReadFromStart(std::string& buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(done);
        at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(done) >> 32);
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1u << 30));
        if (!::ReadFile(Handle(m_handle), buffer.data() + done, chunk, &got, &at) || got == 0) break;
        done += got;
    }
    // A read at an offset moves the file pointer: writing starts at the beginning again.
    LARGE_INTEGER start{};
    return ::SetFilePointerEx(Handle(m_handle), start, nullptr, FILE_BEGIN) && done == buffer.size();
}

bool File::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(Handle(m_handle), bytes.data(), chunk, &written, nullptr)) return Failed();
        bytes.remove_prefix(written);
        m_written += written;
    }
    return true;
}

bool File::CutAt(std::uint64_t size) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(size);
    return (::SetFilePointerEx(Handle(m_handle), position, nullptr, FILE_BEGIN) &&
            ::SetEndOfFile(Handle(m_handle))) ||
           Failed();
}

bool File::Flush() {
    return ::FlushFileBuffers(Handle(m_handle)) || Failed();
}

bool File::Close() {
    HANDLE handle = Handle(m_handle);
    m_handle = -1;
    return ::CloseHandle(handle) || Failed();
}

bool ReadFileBytes(const std::string& path, std::string& bytes, bool* missing) {
    HANDLE file = ::CreateFileW(ToWide(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (missing != nullptr) {
        const DWORD code = ::GetLastError();
        *missing = file == INVALID_HANDLE_VALUE && (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND);
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string content;
    char chunk[65536];
    bool ok = true;
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, chunk, sizeof chunk, &got, nullptr)) ok = false;
        if (!ok || got == 0) break;
        content.append(chunk, got);
    }
    ::CloseHandle(file);
    if (ok) bytes = std::move(content);
    return ok;
}

bool RenameOver(const std::string& from, const std::string& to) {
    return ::MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool RemoveFile(const std::string& path) {
    return ::DeleteFileW(ToWide(path).c_str());
}

bool IsTemporaryNameOf(const std::string& fileName, const std::string& name) {
    // "<name>.<process>-<counter>.tmp", as OpenTemporaryBeside makes it.
    const std::string prefix = name + ".", suffix = ".tmp";
    if (fileName.size() <= prefix.size() + suffix.size() || !fileName.starts_with(prefix) || !fileName.ends_with(suffix))
        return false;
    const std::string middle = fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
    const std::size_t dash = middle.find('-');
    const auto digits = [](std::string_view text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dash != std::string::npos && digits(std::string_view(middle).substr(0, dash)) &&
           digits(std::string_view(middle).substr(dash + 1));
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace platform
