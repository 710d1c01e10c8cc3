#include "core/csv.h"

#include <algorithm>
#include <cstring>

namespace csv {

namespace {

// Bytes asked of a source at a time, and gathered before they go to a sink.
constexpr std::size_t kChunk = 64 * 1024;

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

}  // namespace

Source TextSource(std::string_view text) {
    return [text](char* buffer, std::size_t size) mutable {
        const std::size_t count = std::min(size, text.size());
        std::memcpy(buffer, text.data(), count);
        text.remove_prefix(count);
        return count;
    };
}

Reader::Reader(Source source, std::size_t maxFieldBytes, std::size_t maxFields)
    : m_source(std::move(source)), m_maxFieldBytes(maxFieldBytes), m_maxFields(maxFields) {}

// The byte `ahead` of the reading position, or -1 past the end of the input.
int Reader::Peek(std::size_t ahead) {
    while (m_buffer.size() - m_at <= ahead && !m_ended) {
        m_buffer.erase(0, m_at);
        m_at = 0;
        const std::size_t kept = m_buffer.size();
        m_buffer.resize(kept + kChunk);
        const std::size_t got = m_source(m_buffer.data() + kept, kChunk);
        m_buffer.resize(kept + got);
        m_ended = got == 0;
    }
    return m_at + ahead < m_buffer.size() ? static_cast<unsigned char>(m_buffer[m_at + ahead]) : -1;
}

bool Reader::AtLineEnd() {
    const int c = Peek(0);
    return c == '\n' || (c == '\r' && Peek(1) == '\n');
}

void Reader::SkipLineEnd() {
    m_at += Peek(0) == '\r' ? 2 : 1;
    ++m_line;
}

void Reader::Skip(std::string_view prefix) {
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Peek(i) != static_cast<unsigned char>(prefix[i])) return;
    }
    m_at += prefix.size();
}

bool Reader::Next(Record& record) {
    if (m_errorLine != 0) return false;
    while (AtLineEnd()) SkipLineEnd();
    if (Peek(0) < 0) return false;
    record.line = m_line;
    record.fields.clear();
    while (true) {
        if (record.fields.size() == m_maxFields)
            return Fail(m_line, "a line holds more than " + std::to_string(m_maxFields) + " fields");
        if (!ReadField(record.fields.emplace_back())) return false;
        if (Peek(0) < 0) return true;
        if (AtLineEnd()) {
            SkipLineEnd();
            return true;
        }
        ++m_at;  // the comma
    }
}

bool Reader::ReadField(std::string& field) {
    if (Peek(0) == '"') return ReadQuoted(field);
    while (true) {
        // The bytes up to the next comma or line break that are in the buffer already.
        Peek(0);
        const std::string_view rest = std::string_view(m_buffer).substr(m_at);
        const std::size_t end = rest.find_first_of(",\r\n");
        if (!Append(field, rest.substr(0, end))) return false;
        m_at += std::min(end, rest.size());
        if (end != std::string_view::npos) {
            if (Peek(0) != '\r' || AtLineEnd()) return true;
            if (!Append(field, "\r")) return false;  // a lone CR is text
            ++m_at;
        } else if (Peek(0) < 0) {
            return true;
        }
    }
}

bool Reader::ReadQuoted(std::string& field) {
    const int opened = m_line;
    ++m_at;
    while (true) {
        if (Peek(0) < 0) return Fail(opened, "a quoted field is not closed");
        const std::string_view rest = std::string_view(m_buffer).substr(m_at);
        const std::size_t quote = std::min(rest.find('"'), rest.size());
        const std::string_view text = rest.substr(0, quote);
        m_line += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        if (!Append(field, text)) return false;
        m_at += quote;
        if (quote == rest.size()) continue;
        ++m_at;
        if (Peek(0) == '"') {
            if (!Append(field, "\"")) return false;
            ++m_at;
            continue;
        }
        if (Peek(0) < 0 || Peek(0) == ',' || AtLineEnd()) return true;
        return Fail(m_line, "text follows the closing quote of a field");
    }
}

bool Reader::Append(std::string& field, std::string_view bytes) {
    if (field.size() + bytes.size() > m_maxFieldBytes)
        return Fail(m_line, "a field is longer than " + std::to_string(m_maxFieldBytes) + " bytes");
    field.append(bytes);
    return true;
}

bool Reader::Fail(int line, std::string reason) {
    m_errorLine = line;
    m_error = std::move(reason);
    return false;
}

void Writer::Write(const std::vector<std::string_view>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) Put(",");
        const std::string_view field = fields[i];
        // A lone empty field would make an empty line, which reads as no record at all.
        const bool lone = fields.size() == 1 && field.empty();
        if (!NeedsQuotes(field) && !lone) {
            Put(field);
            continue;
        }
        Put("\"");
        for (std::string_view rest = field; !rest.empty();) {
            const std::size_t quote = std::min(rest.find('"'), rest.size());
            Put(rest.substr(0, quote));
            if (quote < rest.size()) Put("\"\"");
            rest.remove_prefix(std::min(quote + 1, rest.size()));
        }
        Put("\"");
    }
    Put("\r\n");
}

void Writer::Put(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t room = kChunk - std::min(kChunk, m_buffer.size());
        m_buffer.append(bytes.substr(0, room));
        bytes.remove_prefix(std::min(room, bytes.size()));
        if (m_buffer.size() >= kChunk) Spill();
    }
}

void Writer::Spill() {
    if (!m_failed && !m_buffer.empty()) m_failed = !m_sink(m_buffer);
    m_buffer.clear();
}

bool Writer::Finish() {
    Spill();
    return !m_failed;
}

}  // namespace csv
