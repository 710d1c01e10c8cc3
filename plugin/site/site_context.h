// What every page writer of one generation run shares: the settings, the in-memory model,
// the output directory, and a record of the files created and of what failed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "platform/file.h"
#include "site/site_model.h"

struct SiteContext {
    SiteContext(const PluginSettings& settings, const SiteModel& model, std::string outDirectory)
        : settings(settings), model(model), outDirectory(std::move(outDirectory)) {}

    const PluginSettings& settings;
    const SiteModel& model;
    std::string outDirectory;
    // Paths in order of creation, so callers can count and tests can check the order.
    std::vector<std::string> createdFiles;
    // The first failure of the run, in words, and the CP932 name of the cocktail it concerns.
    std::string error;
    std::string errorCocktail;

    void Fail(std::string_view what, std::string_view cocktail = {});
};

inline constexpr const char* kUnreadable = "cannot be read: its ingredients, base, style or author are missing";

// A page file created (or rewritten) for writing, never deleted. When it is closed it holds
// exactly the bytes written to it in this run, also after a failure.
class PageFile {
public:
    PageFile() = default;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;
    ~PageFile();

    bool Create(SiteContext& site, const std::string& path);
    bool Write(SiteContext& site, std::string_view bytes);
    bool Close(SiteContext& site);

private:
    platform::OutputFile m_file;
    std::uint64_t m_written = 0;
    bool m_replacing = false;  // the file was there before this run
    std::string m_path;
};

// Creates the file, writes `bytes` in one go and closes it.
bool WritePageFile(SiteContext& site, const std::string& path, std::string_view bytes);
