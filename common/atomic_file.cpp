#include "atomic_file.h"

#include <filesystem>
#include <system_error>

#include "paths.h"
#include "platform/file.h"

namespace fileio {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

// Where a write to `path` lands: a symbolic link is followed, so that the link stays a link
// and its target is what gets replaced.
std::string Destination(const std::string& path) {
    std::filesystem::path destination = paths::Native(path);
    std::error_code error;
    for (int hops = 0; hops < kMaxLinkHops && std::filesystem::is_symlink(destination, error); ++hops) {
        const std::filesystem::path target = std::filesystem::read_symlink(destination, error);
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

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    // A file the user made read-only stays unwritten, as a direct write would.
    if (platform::IsReadOnlyFile(path)) return false;

    const std::string destination = Destination(path);
    platform::File file;
    std::string temporary;
    if (!file.OpenTemporaryBeside(destination, temporary)) {
        // A folder that takes no new file (a program folder only an administrator may change)
        // can still hold a file the user may write: that file is written where it is.
        return file.Error() == platform::FileError::Denied && WriteInPlace(destination, bytes);
    }
    const bool written = file.Write(bytes) && file.Flush();
    const bool closed = file.Close();
    if (!written || !closed || !platform::RenameOver(temporary, destination)) {
        platform::RemoveFile(temporary);
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    return platform::ReadFileBytes(path, bytes);
}

}  // namespace fileio
