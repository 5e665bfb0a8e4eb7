#include "provision_report.h"

#include "csv_text.h"
#include "utf8.h"
#include "whole_file.h"

namespace cli {
namespace {

const std::vector<std::string> kHeader{"time",       "serial_number", "device_id",
                                       "officer_id", "result",        "differing"};
constexpr std::size_t kDeviceIdColumn = 2;
// Rows of a thousand cameras and far more.
constexpr std::size_t kReportLimit = 16 * 1024 * 1024;

// A camera's text as a spreadsheet takes it, UTF-8 only: a byte its code page could not decode as
// U+FFFD.
std::string cellText(const std::string& text) {
    return platform::toUtf8(platform::fromUtf8KeepingBytes(text));
}

}  // namespace

std::string ProvisionReport::open(const std::filesystem::path& file) {
    const auto whole = platform::readWholeFile(file, kReportLimit);
    if (whole.kind == platform::WholeFile::Kind::unusable) {
        return whole.problem;
    }
    if (whole.text.size() > kReportLimit) {
        return "it is larger than a report";
    }
    const auto csv = readCsv(whole.text);
    // A file that is no report is named as such before any of its lines.
    if ((!csv.records.empty() && csv.records.front().fields != kHeader) ||
        (csv.records.empty() && !csv.error.empty())) {
        return "it is not a provisioning report (its first line is not the report's header)";
    }
    // Rows appended after a row cut short inside its quotes would be read as part of it.
    if (!csv.error.empty()) {
        return "its " + csv.error + ": end or remove that row first";
    }
    for (const auto& record : csv.records) {
        // A row cut short by a power loss gave nothing.
        if (&record != &csv.records.front() && record.fields.size() == kHeader.size() &&
            !record.fields[kDeviceIdColumn].empty()) {
            given_.insert(record.fields[kDeviceIdColumn]);
        }
    }
    if (const auto error = file_.open(file)) {
        return error.message();
    }
    // Written now, so that a report the disk cannot take is found before any camera is asked.
    const auto error = file_.append(
        1, [](std::string_view tail) { return tail.empty() ? csvLine(kHeader) : std::string(); });
    return error ? error.message() : std::string();
}

std::string ProvisionReport::append(const ReportRow& row) {
    std::string differing;
    for (const auto& name : row.differing) {
        differing += (differing.empty() ? "" : " ") + name;
    }
    const std::string line = csvLine({row.time, cellText(row.serialNumber), cellText(row.deviceId),
                                      cellText(row.officerId), row.result, differing});
    const auto error = file_.append(1, [&](std::string_view tail) {
        // Ends a row that a power loss cut short, so that this one stands on its own line.
        return tail == "\n" ? line : "\r\n" + line;
    });
    if (error) {
        return error.message();
    }
    if (!row.deviceId.empty()) {
        given_.insert(row.deviceId);
    }
    return {};
}

}  // namespace cli
