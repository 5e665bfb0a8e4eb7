#include "csv_text.h"

#include "utf8.h"

namespace cli {

CsvReading readCsv(std::string_view text) {
    text = platform::withoutByteOrderMark(text);
    CsvReading reading;
    CsvRecord record{.line = 1, .fields = {}};
    std::string field;
    std::size_t line = 1;
    bool quoted = false;
    // The field began with a quote, which has closed: only a separator may follow.
    bool closed = false;
    bool any = false;
    const auto endRecord = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        const bool blank = record.fields.size() == 1 && record.fields.front().empty() && !any;
        if (!blank) {
            reading.records.push_back(std::move(record));
        }
        record = {.line = line, .fields = {}};
        closed = false;
        any = false;
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                field += '"';
                ++at;
            } else if (c == '"') {
                quoted = false;
                closed = true;
            } else {
                line += c == '\n' ? 1 : 0;
                field += c;
            }
            continue;
        }
        if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            closed = false;
            any = true;
        } else if (c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) {
            at += c == '\r' ? 1 : 0;
            ++line;
            endRecord();
        } else if (closed) {
            reading.error = "line " + std::to_string(line) + ": text after a closing quote";
            return reading;
        } else if (c == '"' && field.empty()) {
            quoted = true;
            any = true;
        } else {
            field += c;
        }
    }
    if (quoted) {
        reading.error = "line " + std::to_string(record.line) + ": a quote is never closed";
        return reading;
    }
    if (!field.empty() || any) {
        endRecord();
    }
    return reading;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const auto& field : fields) {
        if (!line.empty()) {
            line += ',';
        }
        if (field.find_first_of(",\"\r\n") == std::string::npos && !field.starts_with(' ') &&
            !field.ends_with(' ')) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace cli
