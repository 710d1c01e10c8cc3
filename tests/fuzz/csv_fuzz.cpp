// The CSV reader on arbitrary bytes: never a crash, and whatever it reads, written out again
// and read back, gives the same fields.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const csv::Table table = csv::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string written;
    for (const csv::Record& record : table.records) csv::AppendRecord(written, record.fields);
    const csv::Table again = csv::Parse(written);
    if (again.errorLine != 0 || again.records.size() != table.records.size()) std::abort();
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        if (again.records[i].fields != table.records[i].fields) std::abort();
    }
    return 0;
}
