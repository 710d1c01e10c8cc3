#include "core/workspace_mark.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace {

int OpenDirectory(const std::string& directory) {
    return ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

WorkspaceMark::WorkspaceMark(const std::string& directory) : m_descriptor(OpenDirectory(directory)) {
    // Shared: two Folivex windows on one workspace do not keep each other out.
    if (m_descriptor >= 0 && ::flock(m_descriptor, LOCK_SH | LOCK_NB) != 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
}

WorkspaceMark::~WorkspaceMark() {
    if (m_descriptor >= 0) ::close(m_descriptor);
}

bool IsWorkspaceMarked(const std::string& directory) {
    const int descriptor = OpenDirectory(directory);
    if (descriptor < 0) return false;
    const bool marked = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return marked;
}
