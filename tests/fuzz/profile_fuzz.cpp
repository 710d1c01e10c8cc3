// The profile-file reader and writer on arbitrary file bytes: never a crash, and a value the
// writer accepted reads back as written (when it has no blanks or quotes at its ends, which
// a read drops) while the other keys keep their values.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The first line names section, key and value; the rest is the file.
    const std::size_t eol = input.find('\n');
    if (eol == std::string::npos) return 0;
    const std::string header = input.substr(0, eol);
    std::string bytes = input.substr(eol + 1);
    const std::size_t a = header.find('|'), b = header.find('|', a == std::string::npos ? a : a + 1);
    if (a == std::string::npos || b == std::string::npos) return 0;
    const std::string section = header.substr(0, a), key = header.substr(a + 1, b - a - 1),
                      value = header.substr(b + 1);

    const std::string otherBefore = profile::ReadStringFrom(bytes, "OTHER", "KEY", "none", 300);
    if (!profile::SetString(bytes, section, key, value)) return 0;
    const bool plainName = section.find_first_of("[] \t") == std::string::npos && !section.empty() &&
                           key.find_first_of("=[ \t;") == std::string::npos && !key.empty();
    const bool plainValue =
        value.empty() || (value.find_first_of(" \t\"'") != 0 && value.find_last_of(" \t\"'") != value.size() - 1);
    if (plainName && plainValue && value.size() < 1000) {
        if (profile::ReadStringFrom(bytes, section, key, "?", 1001) != value) std::abort();
        const auto named = [](std::string text, const char* name) {
            for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return text == name;
        };
        const bool other = named(section, "OTHER") && named(key, "KEY");
        if (!other && profile::ReadStringFrom(bytes, "OTHER", "KEY", "none", 300) != otherBefore) std::abort();
    }
    return 0;
}
