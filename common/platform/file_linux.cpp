#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

int Descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

// The mode a replacement should carry: the old file's, or what a plain create would give.
mode_t ModeFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

File::~File() {
    if (IsOpen()) ::close(Descriptor(m_handle));
}

bool File::Failed() {
    m_error = errno == EEXIST                                       ? FileError::Exists
              : (errno == EACCES || errno == EPERM || errno == EROFS) ? FileError::Denied
                                                                      : FileError::Other;
    m_errorText = std::strerror(errno);
    return false;
}

bool File::Open(const std::string& path, Mode mode, bool forReading) {
    const int flags = mode == Mode::CreateNew ? O_CREAT | O_EXCL : mode == Mode::Existing ? 0 : O_CREAT;
    m_handle = ::open(path.c_str(), (forReading ? O_RDWR : O_WRONLY) | O_CLOEXEC | flags, 0666);
    m_written = 0;
    return IsOpen() || Failed();
}

bool File::OpenTemporaryBeside(const std::string& path, std::string& temporaryPath) {
    std::string name = path + ".XXXXXX";
    m_handle = ::mkstemp(name.data());
    if (!IsOpen()) return Failed();
    temporaryPath = name;
    return ::fchmod(Descriptor(m_handle), ModeFor(path)) == 0 || Failed();
}

bool File::IsOpen() const {
    return m_handle >= 0;
}

std::optional<File::Status> File::GetStatus() {
    struct stat status {};
    if (::fstat(Descriptor(m_handle), &status) != 0) {
        Failed();
        return std::nullopt;
    }
    return Status{S_ISREG(status.st_mode), static_cast<std::uint64_t>(status.st_size)};
}

bool File::ReadFromStart(std::string& buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::pread(Descriptor(m_handle), buffer.data() + done, buffer.size() - done,
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done == buffer.size();
}

bool File::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(Descriptor(m_handle), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return Failed();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        m_written += static_cast<std::uint64_t>(written);
    }
    return true;
}

bool File::CutAt(std::uint64_t size) {
    return ::ftruncate(Descriptor(m_handle), static_cast<off_t>(size)) == 0 || Failed();
}

bool File::Flush() {
    return ::fsync(Descriptor(m_handle)) == 0 || Failed();
}

bool File::Close() {
    const int descriptor = Descriptor(m_handle);
    m_handle = -1;
    return ::close(descriptor) == 0 || Failed();
}

bool ReadFileBytes(const std::string& path, std::string& bytes, bool* missing) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (missing != nullptr) *missing = fd < 0 && errno == ENOENT;
    if (fd < 0) return false;
    std::string content;
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        content.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (ok) bytes = std::move(content);
    return ok;
}

bool RenameOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool IsTemporaryNameOf(const std::string& fileName, const std::string& name) {
    // mkstemp's six letters and digits after a dot.
    constexpr std::size_t kSuffix = 7;
    return fileName.size() == name.size() + kSuffix && fileName.starts_with(name) && fileName[name.size()] == '.' &&
           std::all_of(fileName.end() - kSuffix + 1, fileName.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool IsReadOnlyFile(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0;
}

}  // namespace platform
