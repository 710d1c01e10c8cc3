// The CSV reader on arbitrary bytes: never a crash, and whatever it reads, written out again
// and read back, gives the same fields.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/csv.h"

constexpr std::size_t kMaxFieldBytes = 4096, kMaxFields = 64;

// Each record's fields.
std::vector<std::vector<std::string>> ReadAll(std::string_view bytes, int& errorLine) {
    csv::Reader reader(csv::TextSource(bytes), kMaxFieldBytes, kMaxFields);
    std::vector<std::vector<std::string>> records;
    for (csv::Record record; reader.Next(record);) records.push_back(record.fields);
    errorLine = reader.ErrorLine();
    return records;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int errorLine = 0;
    const auto records = ReadAll(std::string_view(reinterpret_cast<const char*>(data), size), errorLine);
    std::string written;
    csv::Writer writer([&written](std::string_view bytes) { return written.append(bytes), true; });
    for (const auto& fields : records) writer.Write(std::vector<std::string_view>(fields.begin(), fields.end()));
    if (!writer.Finish()) std::abort();
    if (ReadAll(written, errorLine) != records || errorLine != 0) std::abort();
    return 0;
}
