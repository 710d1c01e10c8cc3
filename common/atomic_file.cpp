#include "atomic_file.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "paths.h"

namespace fileio {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

// No write takes this long between two pieces: a temporary file untouched for longer was
// left by a write that was killed.
constexpr auto kStaleAfter = std::chrono::minutes(1);

// Where a write to `path` lands: a symbolic link is followed, so that the link stays a link
// and its target is what gets replaced.
std::string LinkTarget(const std::string& path) {
    fs::path destination = paths::Native(path);
    std::error_code error;
    for (int hops = 0; hops < kMaxLinkHops && fs::is_symlink(destination, error); ++hops) {
        const fs::path target = fs::read_symlink(destination, error);
        if (error) break;
        destination = destination.parent_path() / target;
    }
    return paths::FromNative(destination);
}

// Over the old bytes, cut to the new length and flushed: an existing file only.
bool WriteInPlace(const std::string& path, std::string_view bytes) {
    platform::File file;
    return file.Open(path, platform::File::Mode::Existing) && file.Write(bytes) && file.CutAt(bytes.size()) &&
           file.Flush() && file.Close();
}

void RemoveStaleTemporaries(const std::string& path) {
    const fs::path destination = paths::Native(path);
    const std::string name = paths::FromNative(destination.filename());
    const auto staleBefore = fs::file_time_type::clock::now() - kStaleAfter;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(destination.parent_path(), error)) {
        if (!platform::IsTemporaryNameOf(paths::FromNative(entry.path().filename()), name)) continue;
        if (entry.is_regular_file(error) && entry.last_write_time(error) < staleBefore && !error)
            fs::remove(entry.path(), error);
    }
}

}  // namespace

ReplacementFile::~ReplacementFile() {
    if (!m_temporary.empty()) {
        if (m_file.IsOpen()) m_file.Close();
        platform::RemoveFile(m_temporary);
    }
}

bool ReplacementFile::Open(const std::string& path) {
    m_destination = LinkTarget(path);
    // A file the user made read-only stays unwritten, as a direct write would.
    m_readOnly = platform::IsReadOnlyFile(path);
    return !m_readOnly && m_file.OpenTemporaryBeside(m_destination, m_temporary);
}

bool ReplacementFile::Write(std::string_view bytes) {
    return m_file.Write(bytes);
}

bool ReplacementFile::Commit() {
    const bool written = m_file.Flush();
    if (!m_file.Close() || !written || !platform::RenameOver(m_temporary, m_destination)) return false;
    m_temporary.clear();
    RemoveStaleTemporaries(m_destination);
    return true;
}

std::string ReplacementFile::ErrorText() const {
    return m_readOnly ? "the file is read-only" : m_file.ErrorText();
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    ReplacementFile file;
    if (!file.Open(path)) {
        // A folder that takes no new file (a program folder only an administrator may change)
        // can still hold a file the user may write: that file is written where it is.
        return file.Denied() && WriteInPlace(file.Destination(), bytes);
    }
    return file.Write(bytes) && file.Commit();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    return platform::ReadFileBytes(path, bytes);
}

}  // namespace fileio
