#include "site/site_context.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

void SiteContext::Fail(std::string_view what, std::string_view cocktail) {
    if (!error.empty()) return;
    error = what;
    errorCocktail = cocktail;
}

PageFile::~PageFile() {
    if (m_fd < 0) return;
    // A file left half-way keeps exactly what this run wrote into it.
    if (m_replacing) static_cast<void>(::ftruncate(m_fd, m_written));
    ::close(m_fd);
}

bool PageFile::Create(SiteContext& site, const std::string& path) {
    m_path = path;
    // A new file holds exactly what is written to it. A file of an earlier run is written over
    // and cut to the new length when it is closed, not emptied when opened: ext4 flushes a file
    // that was truncated to zero and rewritten at its close, which made writing over an earlier
    // site many times slower than writing a new one; the bytes are the same.
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    m_replacing = m_fd < 0 && errno == EEXIST;
    if (m_replacing) m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        site.Fail("cannot create " + path + ": " + std::strerror(errno));
        return false;
    }
    site.createdFiles.push_back(path);
    return true;
}

bool PageFile::Write(SiteContext& site, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            site.Fail("cannot write " + m_path + ": " + std::strerror(errno));
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        m_written += written;
    }
    return true;
}

bool PageFile::Close(SiteContext& site) {
    const int fd = m_fd;
    m_fd = -1;
    const bool cut = !m_replacing || ::ftruncate(fd, m_written) == 0;
    if (::close(fd) != 0 || !cut) {
        site.Fail("cannot write " + m_path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

bool WritePageFile(SiteContext& site, const std::string& path, std::string_view bytes) {
    PageFile file;
    return file.Create(site, path) && file.Write(site, bytes) && file.Close(site);
}
