// Comma-separated values as spreadsheets write them: fields separated by commas, records by
// LF or CR LF, a field in double quotes may hold commas, quotes (doubled) and line breaks.
// Works on bytes, so UTF-8 and CP932 files alike: no CP932 trail byte is a comma, a quote
// or a line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace csv {

struct Record {
    int line = 0;  // the file line the record starts on, counted from 1
    std::vector<std::string> fields;
};

struct Table {
    std::vector<Record> records;  // empty lines are no records
    int errorLine = 0;            // 0: the whole input was read
    std::string error;            // why reading stopped at errorLine
};

// Never throws; a malformed record ends the table with the line and the reason.
Table Parse(std::string_view bytes);

// Appends one record ending in CR LF; fields holding a comma, a quote or a line break, and
// fields starting or ending with a blank (which spreadsheets trim), are quoted.
void AppendRecord(std::string& out, const std::vector<std::string>& fields);

}  // namespace csv
