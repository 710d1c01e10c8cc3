// Escaping on arbitrary bytes: nothing that could open a tag or end an attribute survives,
// and undoing the five entities gives the input back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "site/html_escape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Appended after some page text, which must stay as it was.
    std::string escaped = "<P>";
    AppendEscaped(escaped, input);
    if (escaped.compare(0, 3, "<P>") != 0 || escaped.find_first_of("<>\"", 3) != std::string::npos) std::abort();
    // Undone entity by entity, "&amp;" last so that no entity is made out of another's pieces.
    std::string plain = escaped.substr(3);
    for (const auto& [entity, c] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                    {"&gt;", ">"},
                                    {"&quot;", "\""},
                                    {"&nbsp;", " "},
                                    {"&amp;", "&"}}) {
        for (std::size_t at = plain.find(entity); at != std::string::npos; at = plain.find(entity, at + 1))
            plain.replace(at, entity.size(), c);
    }
    if (plain != input) std::abort();
    return 0;
}
