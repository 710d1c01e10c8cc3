// Reading and writing files and replacing one file by another: POSIX descriptors on Linux, Windows handles
// on Windows. Bytes are written as they are (no text mode). File names are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class FileError { None, Exists, Denied, Other };

// A file open for writing (and, when asked, reading); closed without flushing when the object
// goes.
class File {
public:
    enum class Mode {
        CreateNew,       // fails with FileError::Exists when the file is there
        Existing,        // fails when the file is not there
        CreateOrExisting,
    };

    struct Status {
        bool regular;  // a plain file, not a device
        std::uint64_t size;
    };

    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    bool Open(const std::string& path, Mode mode, bool forReading = false);
    // A new file beside `path` under a name no other file has, with the permissions `path`
    // has (or a new file would get); its name in `temporaryPath`.
    bool OpenTemporaryBeside(const std::string& path, std::string& temporaryPath);
    bool IsOpen() const;
    std::optional<Status> GetStatus();
    // Fills `buffer` (sized by the caller) from the start of the file and goes back to the
    // start; false when the file holds fewer bytes or cannot be read.
    bool ReadFromStart(std::string& buffer);
    bool Write(std::string_view bytes);
    // Bytes written since the file was opened.
    std::uint64_t Written() const { return m_written; }
    // Cuts the file to `size` bytes.
    bool CutAt(std::uint64_t size);
    // Down to the disk.
    bool Flush();
    bool Close();

    FileError Error() const { return m_error; }
    // The system's words for the last failure.
    const std::string& ErrorText() const { return m_errorText; }

private:
    bool Failed();

    std::intptr_t m_handle = -1;
    std::uint64_t m_written = 0;
    FileError m_error = FileError::None;
    std::string m_errorText;
};

// Reads the whole file into `bytes`. False (and `bytes` untouched) when it cannot be opened or
// read; `missing` tells whether it was not there at all.
bool ReadFileBytes(const std::string& path, std::string& bytes, bool* missing = nullptr);

// Renames `from` to `to`, replacing a file already there in one step.
bool RenameOver(const std::string& from, const std::string& to);

bool RemoveFile(const std::string& path);

// True when `fileName` is a name File::OpenTemporaryBeside gives beside a file named `name`.
bool IsTemporaryNameOf(const std::string& fileName, const std::string& name);

// True when `path` exists and may not be written: the user made it read-only.
bool IsReadOnlyFile(const std::string& path);

}  // namespace platform
