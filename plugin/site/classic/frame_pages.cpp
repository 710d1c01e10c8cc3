#include "site/classic/frame_pages.h"

#include <utility>

#include "site/classic/html_blocks.h"
#include "site/html_escape.h"

namespace {

const char* FrameEnd(const PluginSettings& settings) {
    return settings.design.frameResize == 1 ? ">\r\n" : " NORESIZE>\r\n";
}

// One navigation link per enabled page kind; the menu and the footer differ only in the
// text around each link. A link shows when its flag is exactly 1.
std::string NavigationLinks(const PluginSettings& settings, const char* before, const char* after) {
    struct Link {
        int flag;
        const char* target;
        const char* frame;
        const char* caption;
    };
    const FileSettings& file = settings.file;
    const Link links[] = {
        {file.alphabet, "fvxalphabetmenu.html", "menu", "Alphabet"},
        {file.basePage, "fvxbasemenu.html", "menu", "Base"},
        {file.strongPage, "fvxstrongmenu.html", "menu", "Strong"},
        {file.stylePage, "fvxstylemenu.html", "menu", "Style"},
        {file.tastePage, "fvxtastemenu.html", "menu", "Taste"},
        {file.masterPage, "fvxmastermenu.html", "menu", "Master"},
        {file.allPage, "fvxall.html", "fvxtop", "All"},
    };
    std::string text;
    for (const Link& link : links) {
        if (link.flag != 1) continue;
        text += before;
        text.append("<A HREF=\"").append(link.target).append("\" TARGET=\"").append(link.frame).append("\">");
        text.append(link.caption).append("</A>");
        text += after;
    }
    if (!settings.url.urlTopPage.empty()) {
        text += before;
        text += "<A HREF=\"";
        text += settings.url.urlTopPage;
        text += "\" TARGET=\"_top\">Home</A>";
        text += after;
    }
    return text;
}

// The opening FRAMESET tag: borders only when FRAMEBORDER is 1, and their colour only when set.
std::string FramesetTag(const PluginSettings& settings, const char* layout, const char* name) {
    std::string tag = "<FRAMESET ";
    tag += layout;
    if (settings.design.frameBorder == 1) {
        tag += " FRAMEBORDER=\"1\" FRAMESPACING=\"" + std::to_string(settings.design.frameSpacing) + "\"";
        AppendAttribute(tag, "BORDERCOLOR", settings.design.borderColor);
    } else {
        tag += " FRAMEBORDER=\"0\" FRAMESPACING=\"0\"";
    }
    tag += name;
    tag += ">\r\n";
    return tag;
}

}  // namespace

SitePage RenderIndexPage(const PluginSettings& s, const std::string& indexFileName) {
    std::string page = "<HTML>\r\n";
    page += "<HEAD><TITLE>";
    page += s.title.windowTitle;
    page += "</TITLE></HEAD>\r\n";
    page += FramesetTag(s, "ROWS=\"*,80\"", " NAME=\"fs1\"");
    page += "\t<FRAME SRC=\"fvxmain.html\" NAME=\"main\" SCROLLING=\"auto\"";
    page += FrameEnd(s);
    page += "\t<FRAME SRC=\"fvxtail.html\" NAME=\"tail\" SCROLLING=\"no\"";
    page += FrameEnd(s);
    page += "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n";
    page += "</FRAMESET>\r\n";
    page += "</HTML>";
    return {indexFileName, std::move(page)};
}

SitePage RenderMainFrameset(const PluginSettings& s) {
    std::string page = "<HTML>\r\n";
    page += FramesetTag(s, "COLS=\"140,*\"", "");
    page += "\t<FRAME SRC=\"fvxmenu.html\" NAME=\"menu\" SCROLLING=\"auto\"";
    page += FrameEnd(s);
    page += "\t<FRAME SRC=\"fvxtop.html\" NAME=\"fvxtop\" SCROLLING=\"auto\"";
    page += FrameEnd(s);
    page += "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n";
    page += "</FRAMESET>\r\n";
    page += "</HTML>";
    return {"fvxmain.html", std::move(page)};
}

SitePage RenderMenuPage(const PluginSettings& s) {
    std::string page;
    AppendPageHead(page, s);
    AppendFaceFont(page, s);
    page += "<P><FONT SIZE=\"+1\"><STRONG>\r\n";
    page += "&lt;&lt;&nbsp;Menu&nbsp;&gt;&gt;\r\n";
    page += "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- TOP --</FONT></P>\r\n";
    page += "<TABLE WIDTH=\"100%\"><TR><TD><UL>\r\n";
    page += NavigationLinks(s, "<LI>", "\r\n");
    page += "</UL></TD></TR></TABLE>\r\n";
    AppendPageTail(page);
    return {"fvxmenu.html", std::move(page)};
}

SitePage RenderTopPage(const PluginSettings& s) {
    std::string page;
    AppendPageHead(page, s);
    AppendFaceSizeFont(page, s);
    if (!s.title.windowTitle.empty()) {
        std::string title;
        AppendEscaped(title, s.title.windowTitle);
        AppendHeading(page, s, title, "");
    }
    if (!s.topComment.empty()) {
        // The comment may carry the user's own HTML, so it goes out as stored.
        page += "<PRE>";
        page += s.topComment;
        page += "</PRE>";
    }
    AppendPageTail(page);
    return {"fvxtop.html", std::move(page)};
}

SitePage RenderTailPage(const PluginSettings& s, int year) {
    std::string page;
    AppendPageHead(page, s);
    AppendFaceFont(page, s);
    page += "[&nbsp;<A HREF=\"fvxmain.html\" TARGET=\"main\">Top</A>&nbsp;\r\n";
    page += NavigationLinks(s, "|&nbsp;", "&nbsp;\r\n");
    page += "]";
    if (!s.user.userName.empty()) {
        page += "<P><FONT SIZE=\"-1\">All Rights Reserved, Copyright (C) ";
        page += std::to_string(year);
        page += ", </FONT>\r\n";
        page += "<FONT SIZE=\"+1\">";
        if (!s.user.userMail.empty()) {
            page += "<A HREF=\"mailto:";
            page += s.user.userMail;
            page += "\">";
            AppendEscaped(page, s.user.userName);
            page += "</A>";
        } else {
            AppendEscaped(page, s.user.userName);
        }
        page += "</FONT></P>\r\n";
    }
    AppendPageTail(page);
    return {"fvxtail.html", std::move(page)};
}
