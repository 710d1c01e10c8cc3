// The file that `barvella import` reads and `barvella export` writes: CSV with a header row,
// one row per ingredient and the cocktail's fields repeated on each of its rows, so that it
// opens in any spreadsheet. Rows of one cocktail follow each other. Both directions go one
// cocktail at a time, so a file of any length costs the memory of its longest cocktail.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "core/csv.h"
#include "cp932.h"
#include "store/cocktail_record.h"

enum class FileEncoding { Utf8, Cp932 };

// The header row names the fields of every row, in this order:
//   name,initial,base,style,strength,taste,author,ingredient,quantity,method,memo,picture
// initial is a letter A to Z, strength and taste the codes 0 to 4; author, memo and picture
// may be empty.

// The longest field a file may hold: a method or memo of this length is no recipe.
inline constexpr std::size_t kMaxFileFieldBytes = 1024 * 1024;

struct LineRefusal {
    int line = 0;
    std::string reason;  // UTF-8, for the terminal
};

// Every refusal is counted; the first kMaxListed are kept to be shown, so a file of nothing
// but faulty lines costs no more memory than a sound one.
class Refusals {
public:
    static constexpr std::size_t kMaxListed = 1000;

    void Add(int line, std::string reason);
    void Add(const Refusals& other);
    bool empty() const { return m_count == 0; }
    std::size_t count() const { return m_count; }
    // The kept refusals in line order.
    std::vector<LineRefusal> Listed() const;

private:
    std::vector<LineRefusal> m_listed;
    std::size_t m_count = 0;
};

struct FileCocktail {
    int line = 0;           // the line of the cocktail's first row
    CocktailRecord record;  // CP932; the ingredients are in record.materials
};

// A CP932 text in double quotes, in UTF-8, as refusals show names and values.
std::string QuotedText(const std::string& sjis);

// Reads and checks a file cocktail by cocktail, refusing what the record dialog refuses
// (missing fields, unknown codes, an ingredient twice, control characters and line breaks
// where the dialog has one line), text that CP932 cannot represent, text over the store's
// limit, and a cocktail twice in the file. Whether a name is already stored is the import's
// check. A UTF-8 file may start with a byte-order mark.
class CocktailFileReader {
public:
    CocktailFileReader(csv::Source source, FileEncoding encoding);

    // The next sound cocktail with all its rows; false at the end of the file. Faulty lines
    // on the way are refused.
    bool Next(FileCocktail& cocktail);
    const Refusals& refusals() const { return m_refusals; }
    // Read as UTF-8, the file was refused, yet every field that is not UTF-8 reads as CP932:
    // a file that a spreadsheet program saved in Shift-JIS.
    bool LooksLikeCp932() const;

private:
    using Row = std::array<std::string, 12>;  // the fields in the header's order, as CP932

    bool ReadRow(int& line, Row& texts);
    bool CheckHeader();
    void Refuse(int line, std::string reason) { m_refusals.Add(line, std::move(reason)); }
    // `cocktail` is null for the rows of a cocktail refused as a whole.
    void AddRow(FileCocktail* cocktail, const Row& first, int firstLine, int line, const Row& texts);

    csv::Reader m_records;
    FileEncoding m_encoding;
    Refusals m_refusals;
    bool m_headerChecked = false;
    bool m_ended = false;
    bool m_notUtf8 = false, m_notCp932 = false;
    // The row read ahead, the first of the next cocktail, when m_nextLine is not 0.
    int m_nextLine = 0;
    Row m_next;
    std::map<std::string, int, cp932::NameLess> m_firstLines;  // of every name met
};

// Writes the file of cocktails given one by one, ingredients in name order.
class CocktailFileWriter {
public:
    CocktailFileWriter(FileEncoding encoding, csv::Sink sink);

    // False when a stored text is not CP932 or a code is unknown; `failure` then names the
    // cocktail.
    bool Write(const CocktailRecord& cocktail, std::string& failure);
    // False when the sink could not take the output.
    bool Finish() { return m_rows.Finish(); }

private:
    FileEncoding m_encoding;
    csv::Writer m_rows;
};
