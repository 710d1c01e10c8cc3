#include "site/modern/site_links.h"

#include "site/modern/html_text.h"

namespace modern {

std::string EncodeAddress(std::string_view utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '\\' || c == '^' ||
            c == '`' || c == '{' || c == '|' || c == '}') {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string ImageAddress(const PluginSettings& settings, std::string_view cp932File) {
    return EncodeAddress(Utf8(settings.url.urlImages) + Utf8(cp932File));
}

std::string PublishedBase(const PluginSettings& settings) {
    const std::string top = EncodeAddress(Utf8(settings.url.urlTopPage));
    const std::size_t scheme = top.find("://");
    // Sitemaps and canonical addresses must be absolute.
    if (scheme == std::string::npos) return {};
    if (top.find('/', scheme + 3) == std::string::npos) return top + "/";
    const std::size_t lastSlash = top.rfind('/');
    const std::string_view last = std::string_view(top).substr(lastSlash + 1);
    // "…/bar" names a folder unless its last part looks like a file.
    if (last.find('.') == std::string_view::npos && !last.empty()) return top + "/";
    return top.substr(0, lastSlash + 1);
}

}  // namespace modern
