#include "site/modern/html_text.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "cp932.h"

namespace modern {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view lowerNeedle, std::size_t from) {
    for (std::size_t i = from; i + lowerNeedle.size() <= text.size(); ++i) {
        if (StartsWithNoCase(text.substr(i), lowerNeedle)) return i;
    }
    return std::string_view::npos;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        out += kReplacement;
    } else if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character references a browser would resolve before it reads an address, so that
// "jav&#x61;script:" is seen for what it is. Unknown references stay as written.
std::string DecodeReferences(std::string_view text) {
    static const struct {
        std::string_view name;
        std::uint32_t code;
    } kNamed[] = {{"amp;", '&'},   {"lt;", '<'},   {"gt;", '>'},       {"quot;", '"'}, {"apos;", '\''},
                  {"nbsp;", 0xA0}, {"tab;", '\t'}, {"newline;", '\n'}, {"colon;", ':'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::string_view rest = text.substr(i + 1);
        if (!rest.empty() && rest[0] == '#') {
            const bool hex = rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X');
            std::size_t end = hex ? 2 : 1;
            std::uint32_t code = 0;
            bool any = false;
            for (; end < rest.size(); ++end) {
                const auto c = static_cast<unsigned char>(rest[end]);
                const int digit =
                    std::isdigit(c) ? c - '0' : (hex && std::isxdigit(c) ? std::tolower(c) - 'a' + 10 : -1);
                if (digit < 0) break;
                if (code < 0x110000) code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
                any = true;
            }
            if (any) {
                AppendUtf8(out, code);
                i += end + (end < rest.size() && rest[end] == ';' ? 1 : 0);
                continue;
            }
        }
        bool named = false;
        for (const auto& reference : kNamed) {
            if (StartsWithNoCase(rest, reference.name)) {
                AppendUtf8(out, reference.code);
                i += reference.name.size();
                named = true;
                break;
            }
        }
        if (!named) out += '&';
    }
    return out;
}

struct Attribute {
    std::string_view name;
    std::string_view value;
    bool hasValue = false;
};

// True for a value that holds a script address anywhere (an href, a refresh, a style's url()):
// browsers skip white space and control characters inside the scheme, so this does too.
bool HoldsScriptAddress(std::string_view value) {
    std::string folded;
    for (const char c : DecodeReferences(value)) {
        if (static_cast<unsigned char>(c) <= 0x20) continue;
        folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded.find("javascript:") != std::string::npos || folded.find("vbscript:") != std::string::npos;
}

bool IsNamed(std::string_view name, std::initializer_list<std::string_view> names) {
    for (const std::string_view candidate : names) {
        if (name.size() == candidate.size() && StartsWithNoCase(name, candidate)) return true;
    }
    return false;
}

// Elements that load or run another document, or change where this one's links go.
bool IsEmbedding(std::string_view name) {
    return IsNamed(name, {"iframe", "frame", "frameset", "object", "embed", "base", "meta"});
}

bool IsSafeAttribute(const Attribute& attribute) {
    for (const char c : attribute.name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != ':' && c != '.') return false;
    }
    return !attribute.name.empty() && !StartsWithNoCase(attribute.name, "on") && !IsNamed(attribute.name, {"srcdoc"}) &&
           !HoldsScriptAddress(attribute.value);
}

// Reads the attributes after a tag name up to and including '>'. Returns the position after
// the tag, or npos when the tag never ends.
std::size_t ReadAttributes(std::string_view html, std::size_t i, std::vector<Attribute>& attributes,
                           bool& selfClosing) {
    while (i < html.size()) {
        while (i < html.size() && IsSpace(html[i])) ++i;
        if (i >= html.size()) break;
        if (html[i] == '>') return i + 1;
        if (html[i] == '/') {
            selfClosing = i + 1 < html.size() && html[i + 1] == '>';
            ++i;
            continue;
        }
        Attribute attribute;
        const std::size_t nameStart = i;
        while (i < html.size() && !IsSpace(html[i]) && html[i] != '>' && html[i] != '/' &&
               (html[i] != '=' || i == nameStart))
            ++i;
        attribute.name = html.substr(nameStart, i - nameStart);
        std::size_t next = i;
        while (next < html.size() && IsSpace(html[next])) ++next;
        if (next < html.size() && html[next] == '=') {
            i = next + 1;
            while (i < html.size() && IsSpace(html[i])) ++i;
            attribute.hasValue = true;
            if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                const std::size_t close = html.find(html[i], i + 1);
                if (close == std::string_view::npos) return std::string_view::npos;
                attribute.value = html.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                const std::size_t valueStart = i;
                while (i < html.size() && !IsSpace(html[i]) && html[i] != '>') ++i;
                attribute.value = html.substr(valueStart, i - valueStart);
            }
        }
        attributes.push_back(attribute);
    }
    return std::string_view::npos;
}

void AppendLineEnds(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
}

}  // namespace

std::string Utf8(std::string_view cp932) {
    if (auto converted = cp932::ToUtf8(cp932)) return std::move(*converted);
    std::string out;
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t length = cp932::IsLeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        const auto one = cp932::ToUtf8(cp932.substr(i, length));
        out += one ? std::string_view(*one) : kReplacement;
        i += length;
    }
    return out;
}

void AppendText(std::string& page, std::string_view utf8) {
    for (const char c : utf8) {
        switch (c) {
            case '&':
                page += "&amp;";
                break;
            case '<':
                page += "&lt;";
                break;
            case '>':
                page += "&gt;";
                break;
            case '"':
                page += "&quot;";
                break;
            case '\'':
                page += "&#39;";
                break;
            default:
                page += c;
        }
    }
}

void AppendStoredText(std::string& page, std::string_view cp932) {
    AppendText(page, Utf8(cp932));
}

void AppendJsonString(std::string& out, std::string_view utf8) {
    static const char kHex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == '<' || c == '>' || c == '&') {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else if (c == 0xE2 && i + 2 < utf8.size() && utf8[i + 1] == '\x80' &&
                   (utf8[i + 2] == '\xA8' || utf8[i + 2] == '\xA9')) {
            // U+2028 and U+2029 end a line in older JavaScript.
            out += utf8[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
}

std::string SanitizeHtml(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t open = html.find('<', i);
        AppendLineEnds(out, html.substr(i, open == std::string_view::npos ? std::string_view::npos : open - i));
        if (open == std::string_view::npos) break;
        i = open;
        if (html.compare(i, 4, "<!--") == 0) {
            // Comments go: older browsers ran conditional comments.
            const std::size_t close = html.find("-->", i + 4);
            i = close == std::string_view::npos ? html.size() : close + 3;
            continue;
        }
        const bool closing = i + 1 < html.size() && html[i + 1] == '/';
        std::size_t nameStart = i + (closing ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (nameEnd < html.size() && (std::isalnum(static_cast<unsigned char>(html[nameEnd])) ||
                                         (nameEnd > nameStart && html[nameEnd] == '-')))
            ++nameEnd;
        if (nameEnd == nameStart || !std::isalpha(static_cast<unsigned char>(html[nameStart]))) {
            // Not a tag: a browser shows the '<' as text.
            out += "&lt;";
            ++i;
            continue;
        }
        const std::string_view name = html.substr(nameStart, nameEnd - nameStart);
        std::vector<Attribute> attributes;
        bool selfClosing = false;
        const std::size_t end = ReadAttributes(html, nameEnd, attributes, selfClosing);
        if (end == std::string_view::npos) {
            // A tag that never ends swallows the rest of the text in a browser; here it shows.
            AppendText(out, html.substr(i));
            break;
        }
        i = end;
        if (IsNamed(name, {"script"})) {
            // A browser reads everything up to the end tag as script, "<script/>" included.
            if (!closing) {
                const std::size_t close = FindNoCase(html, "</script", i);
                if (close == std::string_view::npos) break;
                i = close;
            }
            continue;
        }
        if (IsEmbedding(name)) continue;
        out += closing ? "</" : "<";
        out += name;
        if (!closing) {
            for (const Attribute& attribute : attributes) {
                if (!IsSafeAttribute(attribute)) continue;
                out += ' ';
                out += attribute.name;
                if (!attribute.hasValue) continue;
                out += "=\"";
                for (const char c : attribute.value) {
                    if (c == '"') {
                        out += "&quot;";
                    } else if (c == '<') {
                        out += "&lt;";
                    } else {
                        out += c;
                    }
                }
                out += '"';
            }
            if (selfClosing) out += " /";
        }
        out += '>';
    }
    return out;
}

std::string PlainText(std::string_view html) {
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (inTag) {
            inTag = c != '>';
        } else if (c == '<') {
            inTag = true;
            text += ' ';
        } else {
            text += c;
        }
    }
    const std::string decoded = DecodeReferences(text);
    std::string out;
    for (const char c : decoded) {
        if (IsSpace(c)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace modern
