// Whole-file writes that never leave a half-written file behind, wherever the folder lets a
// replacement be made.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace fileio {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Returns false (and leaves `path` as it was) on any failure. A symbolic link stays:
// its target is replaced. Where the folder takes no new file but the file may be written, the
// file is written in place and flushed instead.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same for output made piece by piece: nothing of it is at `path` before Commit, and a
// writer that is destroyed uncommitted leaves `path` as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::string& path);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    // False when the temporary file could not be made; Write and Commit then fail.
    bool IsOpen() const { return m_fd >= 0; }
    bool Write(std::string_view bytes);
    bool Commit();

private:
    std::string m_destination;
    std::string m_temporary;
    int m_fd = -1;
    bool m_failed = false;
};

// A temporary file `path`.XXXXXX, created and held: while its descriptor is open no sweep
// takes it for a leftover. Answers the descriptor, or -1 with errno set.
int CreateHeldTemporary(const std::string& path, std::string& temporary);

// Removes the temporaries of `path` that their writers left when they were killed: files named
// `path`.XXXXXX that no descriptor holds, each with its companions (its name plus a suffix).
void RemoveStaleTemporaries(const std::string& path, std::initializer_list<std::string_view> companionSuffixes = {});

// Reads the whole file into `bytes`. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace fileio
