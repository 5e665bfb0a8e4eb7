#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One record of a CSV file and the line it starts on.
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

struct CsvReading {
    std::vector<CsvRecord> records;
    // "line N: what is wrong"; empty when the whole text was read.
    std::string error;
};

// CSV as spreadsheets write it: fields in double quotes may hold commas, line ends and "" for a
// quote; lines end at CR LF or LF; a UTF-8 byte-order mark at the start is skipped; blank lines
// are no records.
CsvReading readCsv(std::string_view text);

// The fields as one CSV line, with its line end; a field that needs them in quotes.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace cli
