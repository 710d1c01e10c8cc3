#include "profile_file.h"

#include <vector>

#include "cp932.h"
#include "platform/file.h"

namespace profile {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// One line of the file without its line end, as a view into the file's bytes.
struct Line {
    std::string_view text;
    std::size_t begin;  // offset of the line in the file
    std::size_t end;    // offset just past its line end
};

std::vector<Line> SplitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t newline = bytes.find('\n', begin);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::size_t textEnd = newline == std::string_view::npos ? bytes.size() : newline;
        if (textEnd > begin && bytes[textEnd - 1] == '\r') --textEnd;
        lines.push_back({bytes.substr(begin, textEnd - begin), begin, end});
        begin = end;
    }
    return lines;
}

// The section name of a "[name]" line, if it is one.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

// Key and raw value of a "key=value" line, if it is one.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    key = Trim(line.substr(0, equals));
    value = line.substr(equals + 1);
    return true;
}

std::string_view Unquote(std::string_view value) {
    value = Trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// Where a key stands in the file: the section's index range and the key line, if present.
struct Location {
    bool sectionFound = false;
    std::size_t lastSectionLine = 0;  // last non-blank line of the section (its header at least)
    bool keyFound = false;
    std::size_t keyLine = 0;
};

Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location where;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (SectionName(lines[i].text, name)) {
            // Only the first section of that name counts, as with any later key lookups.
            if (where.sectionFound) break;
            inSection = EqualsIgnoringAsciiCase(name, section);
            if (inSection) {
                where.sectionFound = true;
                where.lastSectionLine = i;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(lines[i].text).empty()) where.lastSectionLine = i;
        std::string_view lineKey;
        std::string_view value;
        if (KeyValue(lines[i].text, lineKey, value) && EqualsIgnoringAsciiCase(lineKey, key)) {
            where.keyFound = true;
            where.keyLine = i;
            return where;
        }
    }
    return where;
}

std::string_view LineEndOf(std::string_view bytes) {
    const std::size_t newline = bytes.find('\n');
    if (newline == std::string_view::npos) return "\r\n";
    return (newline > 0 && bytes[newline - 1] == '\r') ? "\r\n" : "\n";
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    }
    return false;
}

// Ends the last line of text before more is appended. A file cut off between the CR and the
// LF of its last line end gets only the LF: a second line end would leave the CR in the value.
void EndLastLine(std::string& text, std::string_view eol) {
    if (text.empty() || text.back() == '\n') return;
    text.append(text.back() == '\r' ? std::string_view("\n") : eol);
}

// A read through an n-byte buffer keeps at most n-1 bytes; the values are CP932, so a cut
// never leaves half a double-byte character behind.
std::string Cut(std::string_view value, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    return std::string(cp932::CutBytes(value, bufferSize - 1));
}

}  // namespace

bool ReadFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    bool missing = false;
    return platform::ReadFileBytes(path, bytes, &missing) || missing;
}

std::string ReadStringFrom(std::string_view bytes, std::string_view section, std::string_view key,
                           std::string_view defaultValue, std::size_t bufferSize) {
    const auto lines = SplitLines(bytes);
    const Location where = Find(lines, section, key);
    if (!where.keyFound) return Cut(defaultValue, bufferSize);
    std::string_view lineKey;
    std::string_view value;
    KeyValue(lines[where.keyLine].text, lineKey, value);
    return Cut(Unquote(value), bufferSize);
}

bool SetString(std::string& bytes, std::string_view section, std::string_view key, std::string_view value) {
    if (HasControlCharacter(section) || HasControlCharacter(key) || HasControlCharacter(value)) return false;
    const std::string_view eol = LineEndOf(bytes);
    const auto lines = SplitLines(bytes);
    const Location where = Find(lines, section, key);

    std::string updated;
    updated.reserve(bytes.size() + key.size() + value.size() + section.size() + 8);
    if (where.keyFound) {
        const Line& line = lines[where.keyLine];
        // Keep everything up to the '=' as it was; only the value changes.
        const std::size_t valueStart = line.begin + line.text.find('=') + 1;
        updated.append(bytes, 0, valueStart).append(value);
        updated.append(bytes, line.begin + line.text.size(), std::string::npos);
    } else if (where.sectionFound) {
        const std::size_t insertAt = lines[where.lastSectionLine].end;
        updated.append(bytes, 0, insertAt);
        EndLastLine(updated, eol);
        updated.append(key).append("=").append(value).append(eol);
        updated.append(bytes, insertAt, std::string::npos);
    } else {
        updated = bytes;
        EndLastLine(updated, eol);
        updated.append("[").append(section).append("]").append(eol);
        updated.append(key).append("=").append(value).append(eol);
    }
    bytes = std::move(updated);
    return true;
}

}  // namespace profile
