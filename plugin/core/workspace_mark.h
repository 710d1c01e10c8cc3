// Tells the command-line import that a plug-in has the workspace open: SQLite locks a store
// only while a change is under way, so an open Folivex would not otherwise be noticed.
// An advisory lock on the workspace directory, never on the store itself, so it cannot
// interfere with SQLite's own locks.
#pragma once

#include <string>

class WorkspaceMark {
public:
    // Marks `directory` as open for as long as the object lives; a directory that cannot be
    // marked simply stays unmarked.
    explicit WorkspaceMark(const std::string& directory);
    WorkspaceMark(const WorkspaceMark&) = delete;
    WorkspaceMark& operator=(const WorkspaceMark&) = delete;
    ~WorkspaceMark();

private:
    int m_descriptor;
};

// True while a WorkspaceMark of some process holds `directory`.
bool IsWorkspaceMarked(const std::string& directory);
