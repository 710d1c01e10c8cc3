#include "site/html_escape.h"

namespace {

const char* Reference(char c, bool spaces) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        case ' ':
            return spaces ? "&nbsp;" : nullptr;
        default:
            return nullptr;
    }
}

void Append(std::string& page, std::string_view text, bool spaces) {
    const char* next = text.data();
    const char* const end = next + text.size();
    while (next != end) {
        const char* plain = next;
        while (next != end && Reference(*next, spaces) == nullptr) ++next;
        page.append(plain, next);
        if (next != end) page += Reference(*next++, spaces);
    }
}

}  // namespace

void AppendEscapedKeepingSpaces(std::string& page, std::string_view text) {
    Append(page, text, false);
}

void AppendEscaped(std::string& page, std::string_view text) {
    Append(page, text, true);
}
