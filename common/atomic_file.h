// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace fileio {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Returns false (and leaves `path` as it was) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads the whole file into `bytes`. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace fileio
