#include "site/site_context.h"

void SiteContext::Fail(std::string_view what, std::string_view cocktail) {
    if (!error.empty()) return;
    error = what;
    errorCocktail = cocktail;
}

PageFile::~PageFile() {
    // A file left half-way keeps exactly what this run wrote into it.
    if (m_file.IsOpen() && m_replacing) static_cast<void>(m_file.CutAt(m_written));
}

bool PageFile::Create(SiteContext& site, const std::string& path) {
    using Mode = platform::OutputFile::Mode;
    m_path = path;
    // A new file holds exactly what is written to it. A file of an earlier run is written over
    // and cut to the new length when it is closed, not emptied when opened: ext4 flushes a file
    // that was truncated to zero and rewritten at its close, which made writing over an earlier
    // site many times slower than writing a new one; the bytes are the same.
    m_replacing = !m_file.Open(path, Mode::CreateNew) && m_file.Error() == platform::FileError::Exists;
    if (m_replacing) m_file.Open(path, Mode::CreateOrExisting);
    if (!m_file.IsOpen()) {
        site.Fail("cannot create " + path + ": " + m_file.ErrorText());
        return false;
    }
    site.createdFiles.push_back(path);
    return true;
}

bool PageFile::Write(SiteContext& site, std::string_view bytes) {
    if (!m_file.Write(bytes)) {
        site.Fail("cannot write " + m_path + ": " + m_file.ErrorText());
        return false;
    }
    m_written += bytes.size();
    return true;
}

bool PageFile::Close(SiteContext& site) {
    const bool cut = !m_replacing || m_file.CutAt(m_written);
    if (!m_file.Close() || !cut) {
        site.Fail("cannot write " + m_path + ": " + m_file.ErrorText());
        return false;
    }
    return true;
}

bool WritePageFile(SiteContext& site, const std::string& path, std::string_view bytes) {
    PageFile file;
    return file.Create(site, path) && file.Write(site, bytes) && file.Close(site);
}
