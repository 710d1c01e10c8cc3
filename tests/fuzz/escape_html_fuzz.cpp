// Escaping on arbitrary bytes: nothing that could open a tag or end an attribute survives,
// and undoing the five entities gives the input back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "site/html_writer.h"

namespace {

std::string Unescape(const std::string& text) {
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&nbsp;", ' '}};
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [entity, c] : kEntities) {
            const std::string e = entity;
            if (text.compare(i, e.size(), e) == 0) {
                plain += c;
                i += e.size();
                matched = true;
                break;
            }
        }
        if (!matched) plain += text[i++];
    }
    return plain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Appended after some page text, which must stay as it was.
    std::string escaped = "<P>";
    AppendEscaped(escaped, input);
    if (escaped.compare(0, 3, "<P>") != 0) std::abort();
    escaped.erase(0, 3);
    if (escaped.find_first_of("<>\"") != std::string::npos) std::abort();
    if (Unescape(escaped) != input) std::abort();
    return 0;
}
