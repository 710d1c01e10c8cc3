// The plug-in's settings: Barvella.ini (six sections) and the top-page comment file.
// Colours, sizes, faces and addresses are free CP932 text copied into pages unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct DesignSettings {
    std::string background;   // BACKGROUND
    std::string bgColor;      // BGCOLOR
    int frameBorder = 0;      // FRAMEBORDER
    int frameSpacing = 0;     // FRAMESPACING
    int frameResize = 0;      // FRAMERESIZE
    std::string borderColor;  // BORDERCOLOR
};

struct TitleSettings {
    std::string titleColor;   // TITLECOLOR
    std::string titleSize;    // TITLESIZE
    std::string titleFace;    // TITLEFACE
    std::string windowTitle;  // WINDOWTITLE
};

struct FontSettings {
    std::string textColor;   // TEXTCOLOR
    std::string fontSize;    // FONTSIZE
    std::string fontFace;    // FONTFACE
    std::string linkColor;   // LINKCOLOR
    std::string aLinkColor;  // ALINKCOLOR
    std::string vLinkColor;  // VLINKCOLOR
};

// Which pages a generation writes; the option sheet copies this group as a whole.
struct FileSettings {
    int alphabet = 1;    // ALPHABET
    int basePage = 1;    // BASEPAGE
    int stylePage = 1;   // STYLEPAGE
    int strongPage = 1;  // STRONGPAGE
    int tastePage = 1;   // TASTEPAGE
    int masterPage = 1;  // MASTERPAGE
    int allPage = 0;     // ALLPAGE (1 when read from a file without the key)
};

struct UserSettings {
    std::string userName;  // USERNAME
    std::string userMail;  // USERMAIL
};

struct UrlSettings {
    std::string urlTopPage;  // URLTOPPAGE
    std::string urlImages;   // URLIMAGES
};

// Which site a generation writes: the frames site in Shift_JIS or the HTML5 site in UTF-8.
enum class SiteStyle { Classic, Modern };

// The style's name in Barvella.ini and on the command line; nullopt for any other text.
std::optional<SiteStyle> SiteStyleNamed(std::string_view name);
const char* SiteStyleName(SiteStyle style);

struct PluginSettings {
    DesignSettings design;
    TitleSettings title;
    FontSettings font;
    FileSettings file;
    UserSettings user;
    UrlSettings url;
    std::string topComment;  // exact bytes of BarvellaTC.fvxcmt
    // [SITE] STYLE, a key of its own that readers of the other keys pass over. Written only
    // when it is in the file already or differs from classic, so a workspace that never
    // chose keeps its file byte for byte.
    SiteStyle siteStyle = SiteStyle::Classic;
};

// Reads `directory`/Barvella.ini and `directory`/BarvellaTC.fvxcmt into `settings`.
// Returns false only when the comment file opened but could not be read to its end.
bool LoadSettings(const std::string& directory, PluginSettings& settings);

// Sets every key in save order and replaces Barvella.ini once, then the comment file. False
// when a file cannot be written or a value holds a control character; Barvella.ini is then
// left as it was.
bool SaveSettings(const std::string& directory, const PluginSettings& settings);
