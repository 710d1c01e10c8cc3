#include "atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fileio {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The mode a replacement should carry: the old file's, or what a plain create would give.
mode_t ModeFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Where a write to `path` lands: a symbolic link is followed, so that the link stays a link
// and its target is what gets replaced.
std::string Destination(std::string path) {
    std::error_code error;
    for (int hops = 0; hops < kMaxLinkHops && std::filesystem::is_symlink(path, error); ++hops) {
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = (std::filesystem::path(path).parent_path() / target).string();
    }
    return path;
}

// Over the old bytes, cut to the new length and flushed: an existing file only.
bool WriteInPlace(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written =
        WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

// mkstemp's six characters.
bool IsTemporarySuffix(std::string_view suffix) {
    return suffix.size() == 7 && suffix[0] == '.' && std::all_of(suffix.begin() + 1, suffix.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c));
           });
}

// A temporary whose writer lives holds it locked; the lock goes with the writer's process.
bool IsHeld(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return true;
    struct stat status {};
    const bool held = ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

}  // namespace

int CreateHeldTemporary(const std::string& path, std::string& temporary) {
    temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        errno = error;
        return -1;
    }
    return fd;
}

void RemoveStaleTemporaries(const std::string& path, std::initializer_list<std::string_view> companionSuffixes) {
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string name = target.filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (!candidate.starts_with(name) || !IsTemporarySuffix(std::string_view(candidate).substr(name.size())))
            continue;
        const std::string stale = entry->path().string();
        if (IsHeld(stale)) continue;
        for (std::string_view suffix : companionSuffixes) ::unlink((stale + std::string(suffix)).c_str());
        ::unlink(stale.c_str());
    }
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : m_destination(Destination(path)) {
    // A file the user made read-only stays unwritten, as a direct write would.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return;
    m_fd = CreateHeldTemporary(m_destination, m_temporary);
    if (m_fd < 0) return;
    RemoveStaleTemporaries(m_destination);
    if (::fchmod(m_fd, ModeFor(m_destination)) != 0) m_failed = true;
}

AtomicFileWriter::~AtomicFileWriter() {
    if (m_fd < 0) return;
    ::unlink(m_temporary.c_str());
    ::close(m_fd);
}

bool AtomicFileWriter::Write(std::string_view bytes) {
    if (m_fd < 0 || m_failed) return false;
    if (!WriteAll(m_fd, bytes)) m_failed = true;
    return !m_failed;
}

bool AtomicFileWriter::Commit() {
    if (m_fd < 0 || m_failed || ::fsync(m_fd) != 0) return false;
    // Renamed while still held, so that no sweep can take it in between.
    if (::rename(m_temporary.c_str(), m_destination.c_str()) != 0) return false;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    return closed;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    if (!writer.IsOpen()) {
        if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return false;
        // A folder that takes no new file (a program folder only an administrator may change)
        // can still hold a file the user may write: that file is written where it is.
        return (errno == EACCES || errno == EPERM || errno == EROFS) && WriteInPlace(Destination(path), bytes);
    }
    return writer.Write(bytes) && writer.Commit();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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

}  // namespace fileio
