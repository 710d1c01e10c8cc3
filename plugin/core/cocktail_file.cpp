#include "core/cocktail_file.h"

#include <array>
#include <map>
#include <optional>

#include "core/code_tables.h"
#include "core/csv.h"
#include "cp932.h"
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
using RowTexts = std::array<std::string, kFieldCount>;

constexpr Field kRequired[] = {kName, kInitial, kBase, kStyle, kStrength, kTaste, kIngredient, kQuantity, kMethod};
// Fields the store keeps in its short text columns.
constexpr Field kLimited[] = {kName, kBase, kStyle, kAuthor, kIngredient, kQuantity, kPicture};

bool IsCocktailField(std::size_t field) {
    return field != kIngredient && field != kQuantity;
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

// Checks one row on its own; the reason, or an empty text when the row is sound.
std::string CheckRow(const csv::Record& row, FileEncoding encoding, RowTexts& texts) {
    if (row.fields.size() != kFieldCount)
        return "expected " + std::to_string(kFieldCount) + " fields, found " + std::to_string(row.fields.size());
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        std::optional<std::string> text = Decode(row.fields[field], encoding);
        if (!text) {
            return std::string(kFieldNames[field]) + (encoding == FileEncoding::Utf8
                                                          ? " holds a character that CP932 cannot represent"
                                                          : " is not CP932 text");
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

CocktailRecord MakeRecord(const RowTexts& texts) {
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

// Gathers consecutive rows of one name into one cocktail.
class FileReader {
public:
    explicit FileReader(CocktailFile& file) : m_file(file) {}

    void Add(int line, const RowTexts& texts) {
        if (m_firstLine != 0 && texts[kName] == m_firstRow[kName]) return AddIngredient(line, texts);
        m_firstRow = texts;
        m_firstLine = line;
        const auto [seen, isNew] = m_lines.emplace(texts[kName], line);
        m_current = isNew ? &m_file.cocktails.emplace_back(FileCocktail{line, MakeRecord(texts)}) : nullptr;
        if (!isNew) {
            return Refuse(line, "cocktail " + QuotedText(texts[kName]) + " is twice in the file (first on line " +
                                    std::to_string(seen->second) + ")");
        }
        AddIngredient(line, texts);
    }

    void Refuse(int line, std::string reason) { m_file.refusals.push_back({line, std::move(reason)}); }

private:
    void AddIngredient(int line, const RowTexts& texts) {
        for (std::size_t field = 0; field < kFieldCount; ++field) {
            if (IsCocktailField(field) && texts[field] != m_firstRow[field]) {
                return Refuse(line, std::string(kFieldNames[field]) + " differs from the cocktail's row on line " +
                                        std::to_string(m_firstLine));
            }
        }
        if (!m_current) return;
        MaterialMap& materials = m_current->record.materials;
        if (HasIngredient(materials, texts[kIngredient]))
            return Refuse(line, "ingredient " + QuotedText(texts[kIngredient]) + " is twice in the cocktail");
        materials.emplace(texts[kIngredient], texts[kQuantity]);
    }

    CocktailFile& m_file;
    FileCocktail* m_current = nullptr;  // null while the rows belong to a refused cocktail
    RowTexts m_firstRow;
    int m_firstLine = 0;                                  // 0 before the first cocktail
    std::map<std::string, int, cp932::NameLess> m_lines;  // first line of every name
};

std::string FileHeader() {
    std::string header;
    for (const char* name : kFieldNames) header += header.empty() ? name : std::string(",") + name;
    return header;
}

}  // namespace

std::string QuotedText(const std::string& sjis) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "\"" + text at -O3.
    std::string quoted(1, '"');
    quoted += cp932::ToUtf8(sjis).value_or(sjis);
    quoted += '"';
    return quoted;
}

CocktailFile ReadCocktailFile(std::string_view bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const csv::Table table = csv::Parse(bytes);
    CocktailFile file;
    FileReader reader(file);
    const auto& records = table.records;
    if (records.empty() || records.front().fields != std::vector<std::string>(kFieldNames.begin(), kFieldNames.end())) {
        reader.Refuse(records.empty() ? 1 : records.front().line, "the first line must be the header " + FileHeader());
        return file;
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        RowTexts texts;
        if (std::string reason = CheckRow(records[i], encoding, texts); !reason.empty()) {
            reader.Refuse(records[i].line, std::move(reason));
            continue;
        }
        reader.Add(records[i].line, texts);
    }
    if (table.errorLine != 0) reader.Refuse(table.errorLine, table.error);
    return file;
}

bool WriteCocktailFile(const std::vector<CocktailRecord>& cocktails, FileEncoding encoding, std::string& bytes,
                       std::string& failure) {
    bytes.clear();
    csv::AppendRecord(bytes, std::vector<std::string>(kFieldNames.begin(), kFieldNames.end()));
    std::string rows;
    for (const CocktailRecord& c : cocktails) {
        if (c.initial < 0 || c.initial >= kInitialCount || c.strong < 0 || c.strong >= kStrongCount || c.taste < 0 ||
            c.taste >= kTasteCount) {
            failure = "cocktail " + QuotedText(c.name) + " has an unknown initial, strength or taste code";
            return false;
        }
        rows.clear();
        for (const auto& [ingredient, quantity] : c.materials) {
            csv::AppendRecord(rows, {c.name, std::string(1, static_cast<char>('A' + c.initial)), c.baseName,
                                     c.styleName, std::to_string(c.strong), std::to_string(c.taste), c.masterName,
                                     ingredient, quantity, c.howTo, c.memo, c.picture});
        }
        const std::optional<std::string> converted =
            encoding == FileEncoding::Utf8 ? cp932::ToUtf8(rows) : std::optional<std::string>(rows);
        if (!converted) {
            failure = "cocktail number " + std::to_string(c.index) + " holds text that is not CP932";
            return false;
        }
        bytes += *converted;
    }
    return true;
}
