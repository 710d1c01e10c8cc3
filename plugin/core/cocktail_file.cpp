#include "core/cocktail_file.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/code_tables.h"
#include "store/schema.h"

namespace {

enum Field {
    kName,
    kInitial,
    kBase,
    kStyle,
    kStrength,
    kTaste,
    kAuthor,
    kIngredient,
    kQuantity,
    kMethod,
    kMemo,
    kPicture
};
constexpr std::array<const char*, 12> kFieldNames = {"name",     "initial", "base",   "style",
                                                     "strength", "taste",   "author", "ingredient",
                                                     "quantity", "method",  "memo",   "picture"};
constexpr std::size_t kFieldCount = kFieldNames.size();

constexpr Field kRequired[] = {kName, kInitial, kBase, kStyle, kStrength, kTaste, kIngredient, kQuantity, kMethod};
// Fields the store keeps in its short text columns.
constexpr Field kLimited[] = {kName, kBase, kStyle, kAuthor, kIngredient, kQuantity, kPicture};
// A line with more fields than this is no row of a cocktail file; reading stops there.
constexpr std::size_t kMaxFileFields = 4 * kFieldCount;

bool IsCocktailField(std::size_t field) {
    return field != kIngredient && field != kQuantity;
}

bool IsMultiLine(std::size_t field) {
    return field == kMethod || field == kMemo;
}

// A control character the record dialog does not take: in its one-line fields any, in the
// method and memo any but tab and the line breaks.
bool HoldsControlCharacter(std::string_view text, bool multiLine) {
    return std::any_of(text.begin(), text.end(), [multiLine](char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) return false;
        return !multiLine || (c != '\t' && c != '\r' && c != '\n');
    });
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : lead >> 5 == 0x6  ? 2
                                   : lead >> 4 == 0xE  ? 3
                                   : lead >> 3 == 0x1E ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// The field as CP932, or nullopt when the file's encoding cannot give it.
std::optional<std::string> Decode(const std::string& raw, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8) return cp932::FromUtf8(raw);
    if (!cp932::ToUtf8(raw)) return std::nullopt;
    return raw;
}

// A single character from `first` to `first` + count - 1, as its offset.
std::optional<int> Code(const std::string& text, char first, int count) {
    if (text.size() != 1 || text[0] < first || text[0] >= first + count) return std::nullopt;
    return text[0] - first;
}

template <typename Row>
std::string CheckRow(const csv::Record& row, FileEncoding encoding, Row& texts) {
    if (row.fields.size() != kFieldCount)
        return "expected " + std::to_string(kFieldCount) + " fields, found " + std::to_string(row.fields.size());
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        std::optional<std::string> text = Decode(row.fields[field], encoding);
        if (!text) {
            return std::string(kFieldNames[field]) + (encoding == FileEncoding::Utf8
                                                          ? " holds a character that CP932 cannot represent"
                                                          : " is not CP932 text");
        }
        if (HoldsControlCharacter(*text, IsMultiLine(field))) {
            return std::string(kFieldNames[field]) +
                   (IsMultiLine(field) ? " holds a control character" : " holds a line break or a control character");
        }
        texts[field] = std::move(*text);
    }
    for (Field field : kRequired) {
        if (texts[field].empty()) return std::string(kFieldNames[field]) + " is missing";
    }
    if (!Code(texts[kInitial], 'A', kInitialCount))
        return "unknown initial " + QuotedText(texts[kInitial]) + ": a letter A to Z";
    if (!Code(texts[kStrength], '0', kStrongCount))
        return "unknown strength " + QuotedText(texts[kStrength]) + ": 0 (strongest) to 4 (weakest)";
    if (!Code(texts[kTaste], '0', kTasteCount))
        return "unknown taste " + QuotedText(texts[kTaste]) + ": 0 (driest) to 4 (sweetest)";
    for (Field field : kLimited) {
        if (texts[field].size() > kMaxTextBytes)
            return std::string(kFieldNames[field]) + " is longer than " + std::to_string(kMaxTextBytes) + " bytes";
    }
    return {};
}

template <typename Row>
CocktailRecord MakeRecord(const Row& texts) {
    return {.index = 0,
            .name = texts[kName],
            .initial = *Code(texts[kInitial], 'A', kInitialCount),
            .strong = *Code(texts[kStrength], '0', kStrongCount),
            .taste = *Code(texts[kTaste], '0', kTasteCount),
            .styleIndex = 0,
            .styleName = texts[kStyle],
            .baseIndex = 0,
            .baseName = texts[kBase],
            .howTo = texts[kMethod],
            .memo = texts[kMemo],
            .picture = texts[kPicture],
            .masterIndex = 0,
            .masterName = texts[kAuthor],
            .materials = {}};
}

bool HasIngredient(const MaterialMap& materials, const std::string& name) {
    for (const auto& entry : materials) {
        if (cp932::CompareNames(entry.first, name) == 0) return true;
    }
    return false;
}

std::string FileHeader() {
    std::string header;
    for (const char* name : kFieldNames) header += header.empty() ? name : std::string(",") + name;
    return header;
}

}  // namespace

void Refusals::Add(int line, std::string reason) {
    ++m_count;
    if (m_listed.size() < kMaxListed) m_listed.push_back({line, std::move(reason)});
}

void Refusals::Add(const Refusals& other) {
    for (const LineRefusal& refusal : other.m_listed) Add(refusal.line, refusal.reason);
    m_count += other.m_count - other.m_listed.size();
}

std::vector<LineRefusal> Refusals::Listed() const {
    std::vector<LineRefusal> listed = m_listed;
    std::stable_sort(listed.begin(), listed.end(),
                     [](const LineRefusal& a, const LineRefusal& b) { return a.line < b.line; });
    return listed;
}

std::string QuotedText(const std::string& sjis) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "\"" + text at -O3.
    std::string quoted(1, '"');
    quoted += cp932::ToUtf8(sjis).value_or(sjis);
    quoted += '"';
    return quoted;
}

CocktailFileReader::CocktailFileReader(csv::Source source, FileEncoding encoding)
    : m_records(std::move(source), kMaxFileFieldBytes, kMaxFileFields), m_encoding(encoding) {}

bool CocktailFileReader::CheckHeader() {
    if (m_encoding == FileEncoding::Utf8) m_records.Skip("\xEF\xBB\xBF");
    csv::Record header;
    const bool read = m_records.Next(header);
    if (read && header.fields == std::vector<std::string>(kFieldNames.begin(), kFieldNames.end())) return true;
    Refuse(read ? header.line : 1, "the first line must be the header " + FileHeader());
    return false;
}

// The next sound row; a faulty one is refused and passed over.
bool CocktailFileReader::ReadRow(int& line, Row& texts) {
    if (m_ended) return false;
    csv::Record record;
    while (m_records.Next(record)) {
        if (m_encoding == FileEncoding::Utf8) {
            // Only the fields UTF-8 refuses tell whether the file is CP932.
            for (const std::string& field : record.fields) {
                if (IsUtf8(field)) continue;
                m_notUtf8 = true;
                m_notCp932 = m_notCp932 || !cp932::ToUtf8(field);
            }
        }
        if (std::string reason = CheckRow(record, m_encoding, texts); !reason.empty()) {
            Refuse(record.line, std::move(reason));
            continue;
        }
        line = record.line;
        return true;
    }
    m_ended = true;
    if (m_records.ErrorLine() != 0) Refuse(m_records.ErrorLine(), m_records.Error());
    return false;
}

bool CocktailFileReader::Next(FileCocktail& cocktail) {
    if (!m_headerChecked) {
        m_headerChecked = true;
        m_ended = !CheckHeader();
    }
    while (m_nextLine != 0 || ReadRow(m_nextLine, m_next)) {
        const Row first = std::move(m_next);
        const int firstLine = m_nextLine;
        m_nextLine = 0;
        const auto [seen, isNew] = m_firstLines.emplace(first[kName], firstLine);
        if (!isNew) {
            Refuse(firstLine, "cocktail " + QuotedText(first[kName]) + " is twice in the file (first on line " +
                                  std::to_string(seen->second) + ")");
        }
        FileCocktail current{firstLine, MakeRecord(first)};
        FileCocktail* const kept = isNew ? &current : nullptr;
        AddRow(kept, first, firstLine, firstLine, first);
        while (ReadRow(m_nextLine, m_next) && m_next[kName] == first[kName]) {
            AddRow(kept, first, firstLine, m_nextLine, m_next);
            m_nextLine = 0;
        }
        if (isNew) {
            cocktail = std::move(current);
            return true;
        }
    }
    return false;
}

void CocktailFileReader::AddRow(FileCocktail* cocktail, const Row& first, int firstLine, int line,
                                const Row& texts) {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (IsCocktailField(field) && texts[field] != first[field]) {
            return Refuse(line, std::string(kFieldNames[field]) + " differs from the cocktail's row on line " +
                                    std::to_string(firstLine));
        }
    }
    if (!cocktail) return;
    MaterialMap& materials = cocktail->record.materials;
    if (HasIngredient(materials, texts[kIngredient]))
        return Refuse(line, "ingredient " + QuotedText(texts[kIngredient]) + " is twice in the cocktail");
    materials.emplace(texts[kIngredient], texts[kQuantity]);
}

bool CocktailFileReader::LooksLikeCp932() const {
    return !m_refusals.empty() && m_notUtf8 && !m_notCp932;
}

CocktailFileWriter::CocktailFileWriter(FileEncoding encoding, csv::Sink sink)
    : m_encoding(encoding), m_rows(std::move(sink)) {
    m_rows.Write(std::vector<std::string_view>(kFieldNames.begin(), kFieldNames.end()));
}

bool CocktailFileWriter::Write(const CocktailRecord& c, std::string& failure) {
    if (c.initial < 0 || c.initial >= kInitialCount || c.strong < 0 || c.strong >= kStrongCount || c.taste < 0 ||
        c.taste >= kTasteCount) {
        failure = "cocktail " + QuotedText(c.name) + " has an unknown initial, strength or taste code";
        return false;
    }
    bool converted = true;
    const auto encode = [&](const std::string& sjis) {
        if (m_encoding == FileEncoding::Cp932) return sjis;
        std::optional<std::string> text = cp932::ToUtf8(sjis);
        converted = converted && text.has_value();
        return text.value_or(std::string());
    };
    // Each text is converted once, however many rows repeat it.
    const std::string name = encode(c.name), base = encode(c.baseName), style = encode(c.styleName),
                      author = encode(c.masterName), method = encode(c.howTo), memo = encode(c.memo),
                      picture = encode(c.picture);
    const std::string initial(1, static_cast<char>('A' + c.initial)), strong = std::to_string(c.strong),
        taste = std::to_string(c.taste);
    std::vector<std::pair<std::string, std::string>> ingredients;
    for (const auto& [ingredient, quantity] : c.materials) ingredients.emplace_back(encode(ingredient), encode(quantity));
    if (!converted) {
        failure = "cocktail number " + std::to_string(c.index) + " holds text that is not CP932";
        return false;
    }
    for (const auto& [ingredient, quantity] : ingredients)
        m_rows.Write({name, initial, base, style, strong, taste, author, ingredient, quantity, method, memo, picture});
    return true;
}
