#include "site/site_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

#include "paths.h"

namespace {

// Whether the regular file behind `fd`, read from its start, holds exactly `bytes`; `buffer`
// is scratch space. The file offset is back at the start afterwards.
bool Holds(int fd, const struct stat& status, const std::string& bytes, std::string& buffer) {
    if (!S_ISREG(status.st_mode) || static_cast<std::size_t>(status.st_size) != bytes.size()) return false;
    buffer.resize(bytes.size());
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    const bool same = done == buffer.size() && buffer == bytes;
    return ::lseek(fd, 0, SEEK_SET) == 0 && same;
}

std::string Reason(const char* what, const std::string& path, int error) {
    return std::string(what) + " " + path + ": " + std::strerror(error);
}

}  // namespace

SiteWriter::SiteWriter(std::string outDirectory) : m_outDirectory(std::move(outDirectory)) {}

SiteWriter::~SiteWriter() {
    for (const auto& [name, file] : m_open) ::close(file.fd);
}

void SiteWriter::Fail(SiteFailure failure) {
    if (!m_failure) m_failure = std::move(failure);
}

// A file of an earlier run is opened as it is, not emptied: an identical one is left alone, and
// ext4 flushes a file truncated to zero and rewritten at its close, which made writing over an
// earlier site many times slower than writing a new one.
SiteWriter::OpenedFile SiteWriter::OpenFile(const std::string& path) {
    OpenedFile file{::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666), true};
    if (file.fd < 0 && errno == EEXIST) file = {::open(path.c_str(), O_RDWR | O_CLOEXEC), false};
    if (file.fd < 0) Fail({Reason("cannot create", path, errno), {}});
    return file;
}

bool SiteWriter::WriteFile(OpenedFile file, const std::string& path, const std::string& bytes) {
    const int fd = file.fd;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        Fail({Reason("cannot write", path, errno), {}});
        ::close(fd);
        return false;
    }
    if (!file.created && Holds(fd, status, bytes, m_onDisk)) {
        ++m_unchanged;
        ::close(fd);
        return true;
    }
    m_written.push_back(path);
    std::string_view rest = bytes;
    int error = 0;
    while (error == 0 && !rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written >= 0) {
            rest.remove_prefix(static_cast<std::size_t>(written));
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    // Whatever was written stays, cut to its length, also when the write failed half-way.
    const auto length = static_cast<off_t>(bytes.size() - rest.size());
    if (S_ISREG(status.st_mode) && status.st_size > length && ::ftruncate(fd, length) != 0 && error == 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) Fail({Reason("cannot write", path, error), {}});
    return error == 0;
}

bool SiteWriter::Open(const std::string& name) {
    if (m_failure) return false;
    const OpenedFile file = OpenFile(paths::Join(m_outDirectory, name));
    if (file.fd < 0) return false;
    m_open[name] = file;
    return true;
}

bool SiteWriter::Put(const SitePage& page) {
    return Write(page) && !m_failure;
}

void SiteWriter::PutCutOff(const SitePage& page, SiteFailure failure) {
    // A failure to write the page itself happened first, so it is the one kept.
    Write(page);
    Fail(std::move(failure));
}

bool SiteWriter::Write(const SitePage& page) {
    const std::string path = paths::Join(m_outDirectory, page.name);
    OpenedFile file;
    if (const auto opened = m_open.find(page.name); opened != m_open.end()) {
        file = opened->second;
        m_open.erase(opened);
    } else {
        file = OpenFile(path);
        if (file.fd < 0) return false;
    }
    return WriteFile(file, path, page.bytes);
}
