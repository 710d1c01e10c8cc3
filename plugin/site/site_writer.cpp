#include "site/site_writer.h"

#include <utility>

#include "paths.h"

namespace {

// Whether the file, read from its start, holds exactly `bytes`; `buffer` is scratch space.
bool Holds(platform::File& file, const platform::File::Status& status, const std::string& bytes,
           std::string& buffer) {
    if (!status.regular || status.size != bytes.size()) return false;
    buffer.resize(bytes.size());
    return file.ReadFromStart(buffer) && buffer == bytes;
}

}  // namespace

SiteWriter::SiteWriter(std::string outDirectory) : m_outDirectory(std::move(outDirectory)) {}

SiteWriter::~SiteWriter() = default;

void SiteWriter::Fail(SiteFailure failure) {
    if (!m_failure) m_failure = std::move(failure);
}

// A file of an earlier run is opened as it is, not emptied: an identical one is left alone, and
// ext4 flushes a file truncated to zero and rewritten at its close, which made writing over an
// earlier site many times slower than writing a new one.
SiteWriter::OpenedFile SiteWriter::OpenFile(const std::string& path) {
    using Mode = platform::File::Mode;
    auto file = std::make_unique<platform::File>();
    if (file->Open(path, Mode::CreateNew, true)) return {std::move(file), true};
    if (file->Error() == platform::FileError::Exists && file->Open(path, Mode::Existing, true))
        return {std::move(file), false};
    Fail({"cannot create " + path + ": " + file->ErrorText(), {}});
    return {};
}

bool SiteWriter::WriteFile(OpenedFile opened, const std::string& path, const std::string& bytes) {
    platform::File& file = *opened.file;
    const std::optional<platform::File::Status> status = file.GetStatus();
    if (!status) {
        Fail({"cannot write " + path + ": " + file.ErrorText(), {}});
        return false;
    }
    if (!opened.created && Holds(file, *status, bytes, m_onDisk)) {
        ++m_unchanged;
        return true;
    }
    m_written.push_back(path);
    bool ok = file.Write(bytes);
    // Whatever was written stays, cut to its length, also when the write failed half-way.
    const std::uint64_t length = file.Written();
    if (status->regular && status->size > length) ok = file.CutAt(length) && ok;
    ok = file.Close() && ok;
    if (!ok) Fail({"cannot write " + path + ": " + file.ErrorText(), {}});
    return ok;
}

bool SiteWriter::Open(const std::string& name) {
    if (m_failure) return false;
    OpenedFile file = OpenFile(paths::Join(m_outDirectory, name));
    if (!file.file) return false;
    m_open[name] = std::move(file);
    return true;
}

bool SiteWriter::Put(const SitePage& page) {
    return Write(page) && !m_failure;
}

void SiteWriter::PutCutOff(const SitePage& page, SiteFailure failure) {
    // A failure to write the page itself happened first, so it is the one kept.
    Write(page);
    Fail(std::move(failure));
}

bool SiteWriter::Write(const SitePage& page) {
    const std::string path = paths::Join(m_outDirectory, page.name);
    OpenedFile file;
    if (const auto opened = m_open.find(page.name); opened != m_open.end()) {
        file = std::move(opened->second);
        m_open.erase(opened);
    } else {
        file = OpenFile(path);
        if (!file.file) return false;
    }
    return WriteFile(std::move(file), path, page.bytes);
}
