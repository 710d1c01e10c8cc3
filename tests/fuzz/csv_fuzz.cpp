// The CSV reader on arbitrary bytes: never a crash, and whatever it reads, written out again
// and read back, gives the same fields.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/csv.h"

namespace {

constexpr std::size_t kMaxFieldBytes = 4096, kMaxFields = 64;

std::vector<csv::Record> ReadAll(std::string_view bytes, int& errorLine) {
    csv::Reader reader(csv::TextSource(bytes), kMaxFieldBytes, kMaxFields);
    std::vector<csv::Record> records;
    for (csv::Record record; reader.Next(record);) records.push_back(record);
    errorLine = reader.ErrorLine();
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int errorLine = 0;
    const auto records = ReadAll(std::string_view(reinterpret_cast<const char*>(data), size), errorLine);
    std::string written;
    csv::Writer writer([&written](std::string_view bytes) { return written.append(bytes), true; });
    for (const csv::Record& record : records)
        writer.Write(std::vector<std::string_view>(record.fields.begin(), record.fields.end()));
    if (!writer.Finish()) std::abort();
    const auto again = ReadAll(written, errorLine);
    if (errorLine != 0 || again.size() != records.size()) std::abort();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (again[i].fields != records[i].fields) std::abort();
    }
    return 0;
}
