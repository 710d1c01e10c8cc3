#include "core/csv.h"

namespace csv {

namespace {

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    Table Read() {
        while (m_at < m_bytes.size()) {
            if (AtLineEnd()) {
                SkipLineEnd();
                continue;
            }
            Record record{.line = m_line, .fields = {}};
            if (!ReadRecord(record)) break;
            m_table.records.push_back(std::move(record));
        }
        return std::move(m_table);
    }

private:
    bool AtLineEnd() const {
        return m_bytes[m_at] == '\n' ||
               (m_bytes[m_at] == '\r' && m_at + 1 < m_bytes.size() && m_bytes[m_at + 1] == '\n');
    }
    void SkipLineEnd() {
        m_at += m_bytes[m_at] == '\r' ? 2 : 1;
        ++m_line;
    }

    bool ReadRecord(Record& record) {
        while (true) {
            std::string& field = record.fields.emplace_back();
            if (m_at < m_bytes.size() && m_bytes[m_at] == '"') {
                if (!ReadQuoted(field)) return false;
            } else {
                ReadPlain(field);
            }
            if (m_at >= m_bytes.size()) return true;
            if (AtLineEnd()) {
                SkipLineEnd();
                return true;
            }
            ++m_at;  // the comma
        }
    }

    void ReadPlain(std::string& field) {
        const std::size_t start = m_at;
        while (m_at < m_bytes.size() && m_bytes[m_at] != ',' && !AtLineEnd()) ++m_at;
        field.assign(m_bytes.substr(start, m_at - start));
    }

    bool ReadQuoted(std::string& field) {
        const int opened = m_line;
        ++m_at;
        while (true) {
            const std::size_t quote = m_bytes.find('"', m_at);
            if (quote == std::string_view::npos) return Fail(opened, "a quoted field is not closed");
            const std::string_view text = m_bytes.substr(m_at, quote - m_at);
            for (char c : text) m_line += c == '\n';
            field.append(text);
            m_at = quote + 1;
            if (m_at < m_bytes.size() && m_bytes[m_at] == '"') {
                field += '"';
                ++m_at;
                continue;
            }
            if (m_at == m_bytes.size() || m_bytes[m_at] == ',' || AtLineEnd()) return true;
            return Fail(m_line, "text follows the closing quote of a field");
        }
    }

    bool Fail(int line, const char* reason) {
        m_table.errorLine = line;
        m_table.error = reason;
        return false;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    int m_line = 1;
    Table m_table;
};

bool NeedsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

}  // namespace

Table Parse(std::string_view bytes) {
    return Reader(bytes).Read();
}

void AppendRecord(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& field = fields[i];
        // A lone empty field would make an empty line, which reads as no record at all.
        const bool lone = fields.size() == 1 && field.empty();
        if (!NeedsQuotes(field) && !lone) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

}  // namespace csv
