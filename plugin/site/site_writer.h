// How pages reach the disk.
//
// A site style renders its pages as values (SitePage: a file name inside the output directory
// and the bytes) and hands them, one at a time and in the order the site is to be written, to
// a PageSink. It never holds more than the page in hand, so a site of ten thousand cocktails
// costs the memory of one page; and it never touches the file system, so a test can collect
// the pages in a sink of its own.
//
// The contract between a renderer and its sink:
// - Put(page) for each finished page. It answers false once the run has failed (this page or
//   an earlier one could not be written); the renderer then stops at once. The one exception:
//   a page it has opened is still put, with what it holds so far.
// - PutCutOff(page, failure) when a page cannot be finished (its record cannot be read): the
//   bytes rendered so far are written as they are, the run fails with `failure`, and the
//   renderer stops. Pages put before stay.
// - Fail(failure) when the run cannot go on and there is no page to put for it (a cocktail
//   whose record cannot be read gets no detail page); the renderer stops.
// - Open(name), optional, for a page whose bytes come only after other pages (a menu that
//   lists the pages written meanwhile): its file is created then, in order, and stays open until
//   the page is put. A page that cannot be opened fails the run as Put would.
//
// SiteWriter is the sink that writes into an output directory. It compares each page with the
// file already there and leaves an identical file untouched (no write, its time stamp kept), so
// tools that copy by time stamp copy only what changed. Any other file is written over and cut
// to the page's length; files that no page names are never deleted.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file.h"
#include "site/site_page.h"

class PageSink {
public:
    virtual bool Open(const std::string& name) = 0;
    virtual bool Put(const SitePage& page) = 0;
    virtual void PutCutOff(const SitePage& page, SiteFailure failure) = 0;
    virtual void Fail(SiteFailure failure) = 0;

protected:
    ~PageSink() = default;
};

class SiteWriter final : public PageSink {
public:
    // Paths are the directory and the page name joined with '/', nothing added or dropped.
    explicit SiteWriter(std::string outDirectory);
    ~SiteWriter();
    SiteWriter(const SiteWriter&) = delete;
    SiteWriter& operator=(const SiteWriter&) = delete;

    bool Open(const std::string& name) override;
    bool Put(const SitePage& page) override;
    void PutCutOff(const SitePage& page, SiteFailure failure) override;
    // The first failure of a run is the one kept.
    void Fail(SiteFailure failure) override;

    bool Failed() const { return m_failure.has_value(); }
    const std::optional<SiteFailure>& Failure() const { return m_failure; }
    // The paths whose files this run created or changed, in the order their pages were put.
    const std::vector<std::string>& Written() const { return m_written; }
    // How many pages matched their file byte for byte and were left alone.
    std::size_t Unchanged() const { return m_unchanged; }

private:
    struct OpenedFile {
        std::unique_ptr<platform::File> file;  // null when it could not be opened
        bool created = false;                  // by this run, so there is nothing to compare with
    };
    bool Write(const SitePage& page);
    OpenedFile OpenFile(const std::string& path);
    bool WriteFile(OpenedFile file, const std::string& path, const std::string& bytes);

    std::string m_outDirectory;
    std::map<std::string, OpenedFile> m_open;  // pages opened ahead of their bytes, by name
    std::vector<std::string> m_written;
    std::size_t m_unchanged = 0;
    std::optional<SiteFailure> m_failure;
    std::string m_onDisk;  // the file being compared, kept to spare an allocation per page
};
