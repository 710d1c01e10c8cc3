// A mark that a program has a workspace folder open, which other processes can see. Shared:
// two holders do not keep each other out. It is never a lock on a file of the workspace, so
// it cannot interfere with SQLite's own locks. An advisory lock on the folder on Linux, a named
// kernel object on Windows (where a folder cannot be locked).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class WorkspaceLock {
public:
    // Holds `folder` for as long as the object lives; a folder that cannot be held simply
    // stays free.
    explicit WorkspaceLock(const std::string& folder);
    WorkspaceLock(const WorkspaceLock&) = delete;
    WorkspaceLock& operator=(const WorkspaceLock&) = delete;
    ~WorkspaceLock();

private:
    std::intptr_t m_handle;
};

// True while a WorkspaceLock of some process holds `folder`.
bool IsWorkspaceLocked(const std::string& folder);

}  // namespace platform
