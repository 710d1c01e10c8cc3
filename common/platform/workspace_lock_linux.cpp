#include "platform/workspace_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

int OpenFolder(const std::string& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

WorkspaceLock::WorkspaceLock(const std::string& folder) : m_handle(OpenFolder(folder)) {
    if (m_handle >= 0 && ::flock(static_cast<int>(m_handle), LOCK_SH | LOCK_NB) != 0) {
        ::close(static_cast<int>(m_handle));
        m_handle = -1;
    }
}

WorkspaceLock::~WorkspaceLock() {
    if (m_handle >= 0) ::close(static_cast<int>(m_handle));
}

bool IsWorkspaceLocked(const std::string& folder) {
    const int descriptor = OpenFolder(folder);
    if (descriptor < 0) return false;
    const bool locked = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return locked;
}

}  // namespace platform
