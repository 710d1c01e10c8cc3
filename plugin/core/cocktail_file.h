// The file that `barvella import` reads and `barvella export` writes: CSV with a header row,
// one row per ingredient and the cocktail's fields repeated on each of its rows, so that it
// opens in any spreadsheet. Rows of one cocktail follow each other.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/cocktail_record.h"

enum class FileEncoding { Utf8, Cp932 };

// The header row names the fields of every row, in this order:
//   name,initial,base,style,strength,taste,author,ingredient,quantity,method,memo,picture
// initial is a letter A to Z, strength and taste the codes 0 to 4; author, memo and picture
// may be empty.

struct LineRefusal {
    int line = 0;
    std::string reason;  // UTF-8, for the terminal
};

struct FileCocktail {
    int line = 0;           // the line of the cocktail's first row
    CocktailRecord record;  // CP932; the ingredients are in record.materials
};

struct CocktailFile {
    std::vector<FileCocktail> cocktails;
    std::vector<LineRefusal> refusals;  // at most one per line, in line order
};

// A CP932 text in double quotes, in UTF-8, as refusals show names and values.
std::string QuotedText(const std::string& sjis);

// Reads and checks a whole file, refusing what the record dialog refuses (missing fields,
// unknown codes, an ingredient twice), text that CP932 cannot represent, text over the
// store's limit, and a cocktail twice in the file. Whether a name is already stored is the
// import's check. A UTF-8 file may start with a byte-order mark.
CocktailFile ReadCocktailFile(std::string_view bytes, FileEncoding encoding);

// The file of `cocktails` in their order, ingredients in name order. False when a stored
// text is not CP932; `failure` then names the cocktail.
bool WriteCocktailFile(const std::vector<CocktailRecord>& cocktails, FileEncoding encoding, std::string& bytes,
                       std::string& failure);
