#include "core/settings.h"

#include <array>
#include <climits>
#include <cstdlib>
#include <string_view>

#include "atomic_file.h"
#include "paths.h"
#include "platform/file.h"
#include "profile_file.h"

namespace {

constexpr const char* kSettingsFileName = "Barvella.ini";
constexpr const char* kCommentFileName = "BarvellaTC.fvxcmt";
constexpr const char* kStyleSection = "SITE";
constexpr const char* kStyleKey = "STYLE";
// Never a stored value: values hold no control character.
constexpr const char* kAbsent = "\n";

// Values are read through a buffer of this size, so at most 255 bytes come back.
constexpr std::size_t kValueBuffer = 256;
constexpr std::size_t kCommentChunk = 256;

struct SettingKey {
    const char* section;
    const char* key;
    std::string* (*text)(PluginSettings&);  // null for an integer setting
    int* (*number)(PluginSettings&);        // null for a text setting
    const char* absent;                     // value when the file has no such key
};

SettingKey Text(const char* section, const char* key, std::string* (*member)(PluginSettings&)) {
    return {section, key, member, nullptr, ""};
}

SettingKey Number(const char* section, const char* key, int* (*member)(PluginSettings&), const char* absent) {
    return {section, key, nullptr, member, absent};
}

// Save order, which is also the order of a newly written file.
const std::array<SettingKey, 27>& Keys() {
    using S = PluginSettings;
    static const std::array<SettingKey, 27> keys = {
        Text("DESIGN", "BACKGROUND", [](S& s) { return &s.design.background; }),
        Text("DESIGN", "BGCOLOR", [](S& s) { return &s.design.bgColor; }),
        Number(
            "DESIGN", "FRAMEBORDER", [](S& s) { return &s.design.frameBorder; }, "0"),
        Number(
            "DESIGN", "FRAMESPACING", [](S& s) { return &s.design.frameSpacing; }, "0"),
        Number(
            "DESIGN", "FRAMERESIZE", [](S& s) { return &s.design.frameResize; }, "0"),
        Text("DESIGN", "BORDERCOLOR", [](S& s) { return &s.design.borderColor; }),
        Text("TITLE", "TITLECOLOR", [](S& s) { return &s.title.titleColor; }),
        Text("TITLE", "TITLESIZE", [](S& s) { return &s.title.titleSize; }),
        Text("TITLE", "TITLEFACE", [](S& s) { return &s.title.titleFace; }),
        Text("TITLE", "WINDOWTITLE", [](S& s) { return &s.title.windowTitle; }),
        Text("FONT", "TEXTCOLOR", [](S& s) { return &s.font.textColor; }),
        Text("FONT", "FONTSIZE", [](S& s) { return &s.font.fontSize; }),
        Text("FONT", "FONTFACE", [](S& s) { return &s.font.fontFace; }),
        Text("FONT", "LINKCOLOR", [](S& s) { return &s.font.linkColor; }),
        Text("FONT", "ALINKCOLOR", [](S& s) { return &s.font.aLinkColor; }),
        Text("FONT", "VLINKCOLOR", [](S& s) { return &s.font.vLinkColor; }),
        Number(
            "FILE", "ALPHABET", [](S& s) { return &s.file.alphabet; }, "1"),
        Number(
            "FILE", "BASEPAGE", [](S& s) { return &s.file.basePage; }, "1"),
        Number(
            "FILE", "STYLEPAGE", [](S& s) { return &s.file.stylePage; }, "1"),
        Number(
            "FILE", "STRONGPAGE", [](S& s) { return &s.file.strongPage; }, "1"),
        Number(
            "FILE", "TASTEPAGE", [](S& s) { return &s.file.tastePage; }, "1"),
        Number(
            "FILE", "MASTERPAGE", [](S& s) { return &s.file.masterPage; }, "1"),
        Number(
            "FILE", "ALLPAGE", [](S& s) { return &s.file.allPage; }, "1"),
        Text("USER", "USERNAME", [](S& s) { return &s.user.userName; }),
        Text("USER", "USERMAIL", [](S& s) { return &s.user.userMail; }),
        Text("URL", "URLTOPPAGE", [](S& s) { return &s.url.urlTopPage; }),
        Text("URL", "URLIMAGES", [](S& s) { return &s.url.urlImages; }),
    };
    return keys;
}

// A number as a hand-edited file may hold it: leading blanks and a sign are taken, reading
// stops at the first non-digit, no number gives 0, and overflow saturates, so no value is refused.
int ReadInteger(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// The comment counts in fixed chunks, each only up to its first NUL byte. A file that is there
// but cannot be read fails, so that no later save writes an empty comment over it.
bool ReadComment(const std::string& path, std::string& comment) {
    std::string bytes;
    bool missing = false;
    if (!platform::ReadFileBytes(path, bytes, &missing)) return missing;
    const std::string_view all = bytes;
    std::string text;
    for (std::size_t at = 0; at < all.size(); at += kCommentChunk) {
        const std::string_view chunk = all.substr(at, kCommentChunk);
        text.append(chunk.substr(0, chunk.find('\0')));
    }
    comment = std::move(text);
    return true;
}

}  // namespace

std::optional<SiteStyle> SiteStyleNamed(std::string_view name) {
    if (name == "classic") return SiteStyle::Classic;
    if (name == "modern") return SiteStyle::Modern;
    return std::nullopt;
}

const char* SiteStyleName(SiteStyle style) {
    return style == SiteStyle::Modern ? "modern" : "classic";
}

bool LoadSettings(const std::string& directory, PluginSettings& settings) {
    std::string bytes;
    // An unreadable settings file reads as absent, as every key falls back to its default.
    profile::ReadFile(paths::Join(directory, kSettingsFileName), bytes);
    for (const SettingKey& key : Keys()) {
        const std::string value = profile::ReadStringFrom(bytes, key.section, key.key, key.absent, kValueBuffer);
        if (key.text != nullptr) {
            *key.text(settings) = value;
        } else {
            *key.number(settings) = ReadInteger(value);
        }
    }
    settings.siteStyle = SiteStyleNamed(profile::ReadStringFrom(bytes, kStyleSection, kStyleKey, "", kValueBuffer))
                             .value_or(SiteStyle::Classic);
    return ReadComment(paths::Join(directory, kCommentFileName), settings.topComment);
}

bool SaveSettings(const std::string& directory, const PluginSettings& settings) {
    const std::string path = paths::Join(directory, kSettingsFileName);
    // Every key is set in the file's bytes and the file is replaced once, so a crash leaves
    // either the old settings or the new ones; other lines and comments stay as they were.
    std::string bytes;
    if (!profile::ReadFile(path, bytes)) return false;
    // The accessors hand out pointers into a mutable record; this copy keeps `settings` const.
    PluginSettings values = settings;
    for (const SettingKey& key : Keys()) {
        const std::string value = key.text != nullptr ? *key.text(values) : std::to_string(*key.number(values));
        if (!profile::SetString(bytes, key.section, key.key, value)) return false;
    }
    const bool styleStored = profile::ReadStringFrom(bytes, kStyleSection, kStyleKey, kAbsent, kValueBuffer) != kAbsent;
    if ((styleStored || settings.siteStyle != SiteStyle::Classic) &&
        !profile::SetString(bytes, kStyleSection, kStyleKey, SiteStyleName(settings.siteStyle)))
        return false;
    return fileio::WriteFileAtomically(path, bytes) &&
           fileio::WriteFileAtomically(paths::Join(directory, kCommentFileName), settings.topComment);
}
