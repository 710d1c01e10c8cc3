// Whole-file writes that never leave a half-written file behind, wherever the folder lets a
// replacement be made.
#pragma once

#include <string>
#include <string_view>

namespace fileio {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Returns false (and leaves `path` as it was) on any failure. A symbolic link stays:
// its target is replaced. Where the folder takes no new file but the file may be written, the
// file is written in place and flushed instead.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads the whole file into `bytes`. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace fileio
