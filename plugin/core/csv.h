// Comma-separated values as spreadsheets write them: fields separated by commas, records by
// LF or CR LF, a field in double quotes may hold commas, quotes (doubled) and line breaks.
// Works on bytes, so UTF-8 and CP932 files alike: no CP932 trail byte is a comma, a quote
// or a line break. Both directions go piece by piece, so a file of any length costs one
// record and one buffer of memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

// Fills `buffer` with up to `size` of the next bytes and answers how many; 0 at the end. A
// source that cannot read throws, and the exception passes through whatever reads from it.
using Source = std::function<std::size_t(char* buffer, std::size_t size)>;
// Takes the next bytes of the output; false when they cannot be written.
using Sink = std::function<bool(std::string_view bytes)>;

// The bytes of `text`, as a source.
Source TextSource(std::string_view text);

struct Record {
    int line = 0;  // the file line the record starts on, counted from 1
    std::vector<std::string> fields;
};

class Reader {
public:
    // A field longer than `maxFieldBytes`, or a record of more than `maxFields` fields, ends
    // the reading as a malformed record does: no line of a file ever fills the memory.
    Reader(Source source, std::size_t maxFieldBytes, std::size_t maxFields);

    // The next record (empty lines are no records). False at the end of the input, and when
    // a malformed record stops the reading: ErrorLine() is then its line.
    bool Next(Record& record);
    // Passes over `prefix` when the input goes on with it.
    void Skip(std::string_view prefix);
    int ErrorLine() const { return m_errorLine; }
    const std::string& Error() const { return m_error; }

private:
    int Peek(std::size_t ahead);
    bool AtLineEnd();
    void SkipLineEnd();
    bool ReadField(std::string& field);
    bool ReadQuoted(std::string& field);
    bool Append(std::string& field, std::string_view bytes);
    bool Fail(int line, std::string reason);

    Source m_source;
    std::size_t m_maxFieldBytes;
    std::size_t m_maxFields;
    std::string m_buffer;
    std::size_t m_at = 0;
    bool m_ended = false;
    int m_line = 1;
    int m_errorLine = 0;
    std::string m_error;
};

class Writer {
public:
    explicit Writer(Sink sink) : m_sink(std::move(sink)) {}

    // One record ending in CR LF; fields holding a comma, a quote or a line break, and fields
    // starting or ending with a blank (which spreadsheets trim), are quoted.
    void Write(const std::vector<std::string_view>& fields);
    // Hands the rest to the sink; false when any of the output could not be written.
    bool Finish();

private:
    void Put(std::string_view bytes);
    void Spill();

    Sink m_sink;
    std::string m_buffer;
    bool m_failed = false;
};

}  // namespace csv
