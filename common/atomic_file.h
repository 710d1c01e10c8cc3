// Whole-file writes that never leave a half-written file behind, wherever the folder lets a
// replacement be made.
#pragma once

#include <string>
#include <string_view>

#include "platform/file.h"

namespace fileio {

// A file written piece by piece under a temporary name beside `path` and put in its place,
// whole, by Commit; dropped when it goes uncommitted. A symbolic link at `path` stays: its
// target is replaced. A file the user made read-only is refused.
class ReplacementFile {
public:
    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    bool Open(const std::string& path);
    bool Write(std::string_view bytes);
    // Flushes the file to disk and renames it over the destination. A temporary file that an
    // earlier, killed write left beside it is removed then.
    bool Commit();

    // Where a write to `path` lands, once Open has answered.
    const std::string& Destination() const { return m_destination; }
    // Open failed because the folder takes no new file.
    bool Denied() const { return m_file.Error() == platform::FileError::Denied; }
    // The system's words for the last failure.
    std::string ErrorText() const;

private:
    platform::File m_file;
    std::string m_destination, m_temporary;
    bool m_readOnly = false;
};

// Writes `bytes` through a ReplacementFile. Returns false (and leaves `path` as it was) on any
// failure. Where the folder takes no new file but the file may be written, the file is
// written in place and flushed instead.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads the whole file into `bytes`. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace fileio
