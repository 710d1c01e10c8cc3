#include "site/classic/html_blocks.h"

void AppendAttribute(std::string& text, std::string_view name, const std::string& value) {
    if (value.empty()) return;
    text += ' ';
    text += name;
    text += "=\"";
    text += value;
    text += '"';
}

std::string BuildBodyTag(const PluginSettings& settings) {
    std::string tag = "<BODY";
    if (!settings.design.background.empty()) {
        // The image folder carries its own trailing slash when it wants one.
        tag += " BACKGROUND=\"";
        tag += settings.url.urlImages;
        tag += settings.design.background;
        tag += '"';
    }
    AppendAttribute(tag, "BGCOLOR", settings.design.bgColor);
    AppendAttribute(tag, "TEXT", settings.font.textColor);
    AppendAttribute(tag, "LINK", settings.font.linkColor);
    AppendAttribute(tag, "ALINK", settings.font.aLinkColor);
    AppendAttribute(tag, "VLINK", settings.font.vLinkColor);
    tag += '>';
    return tag;
}

void AppendPageHead(std::string& page, const PluginSettings& settings) {
    page += "<HTML>\r\n";
    page += BuildBodyTag(settings);
    page += "<CENTER>\r\n";
}

void AppendPageTail(std::string& page) {
    page += "</CENTER></BODY>\r\n";
    page += "</HTML>";
}

void AppendFaceFont(std::string& page, const PluginSettings& settings) {
    if (settings.font.fontFace.empty()) return;
    page += "<BASEFONT FACE=\"";
    page += settings.font.fontFace;
    page += "\">\r\n";
}

void AppendFaceSizeFont(std::string& page, const PluginSettings& settings) {
    if (settings.font.fontFace.empty() && settings.font.fontSize.empty()) return;
    page += "<BASEFONT";
    AppendAttribute(page, "FACE", settings.font.fontFace);
    AppendAttribute(page, "SIZE", settings.font.fontSize);
    page += ">\r\n";
}

void AppendHeading(std::string& page, const PluginSettings& settings, std::string_view heading,
                   std::string_view trailing) {
    const TitleSettings& title = settings.title;
    const bool styled = !title.titleColor.empty() || !title.titleFace.empty() || !title.titleSize.empty();
    if (styled) {
        page += "<FONT";
        AppendAttribute(page, "COLOR", title.titleColor);
        AppendAttribute(page, "FACE", title.titleFace);
        AppendAttribute(page, "SIZE", title.titleSize);
        page += ">\r\n";
    }
    page += heading;
    if (styled) page += "</FONT>\r\n";
    page += trailing;
}
