#include "provision_report.h"

#include <algorithm>

#include "csv_text.h"
#include "profile_file.h"
#include "replace_file.h"
#include "utf8.h"
#include "who_and_when.h"
#include "whole_file.h"

namespace cli {
namespace {

const std::vector<std::string> kHeader{"time",   "serial_number", "device_id", "officer_id",
                                       "result", "differing",     "identity",  "workstation"};
// The header of reports written before identities were claimed: a row naming a device ID gave it.
const std::vector<std::string> kSixColumnHeader(kHeader.begin(), kHeader.begin() + 6);
// Rows of a thousand cameras and far more.
constexpr std::size_t kReportLimit = 16 * 1024 * 1024;

constexpr std::string_view kClaimed = "claimed";
constexpr std::string_view kGiven = "given";
constexpr std::string_view kReleased = "released";
constexpr std::string_view kInDoubt = "in doubt";
constexpr std::string_view kReleasedByHand = "released by hand";

// A value as the report holds it: as the terminal shows it, so that no camera text hides or
// reorders what a reader sees, and after a ' where a spreadsheet would run it as a formula (or
// drop a ' of its own).
std::string cellOf(std::string_view value) {
    std::string cell = escapedText(value);
    if (!cell.empty() && std::string_view("=+-@\t\r'").find(cell.front()) != std::string::npos) {
        cell.insert(0, 1, '\'');
    }
    return cell;
}

// What cellOf made the cell of; a cell edited into one it never makes is taken as it stands.
std::string valueOf(std::string_view cell) {
    if (cell.starts_with('\'')) {
        cell.remove_prefix(1);
    }
    // A camera's byte its code page could not decode went out as \xHH: it comes back kept as the
    // camera's text holds it.
    return platform::toUtf8KeepingBytes(
        platform::fromUtf8KeepingBytes(unescapedText(cell).value_or(std::string(cell))));
}

std::string differingText(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

std::vector<std::string> differingNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find(' ');
        if (end != 0) {
            names.emplace_back(text.substr(0, end));
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return names;
}

std::string lineOf(const ReportRow& row) {
    std::vector<std::string> cells;
    for (const auto* value :
         {&row.time, &row.serialNumber, &row.deviceId, &row.officerId, &row.result}) {
        cells.push_back(cellOf(*value));
    }
    cells.push_back(cellOf(differingText(row.differing)));
    cells.push_back(cellOf(row.identity));
    cells.push_back(cellOf(row.workstation));
    return csvLine(cells);
}

// A line of the report: a whole row, or the fields of one that a power loss cut short, which
// gives nothing.
struct ReportLine {
    std::optional<ReportRow> row;
    std::vector<std::string> fields;
};

struct ParsedReport {
    std::vector<ReportLine> lines;
    // A report made but never given its header (a blank file) is one still to begin.
    bool headed = false;
    bool sixColumns = false;
    // Why the text is no report it can go on with; empty when it is one.
    std::string problem;
};

ParsedReport parse(std::string_view text) {
    ParsedReport parsed;
    const auto csv = readCsv(text);
    const bool known = !csv.records.empty() && (csv.records.front().fields == kHeader ||
                                                csv.records.front().fields == kSixColumnHeader);
    // A file that is no report is named as such before any of its lines.
    if ((!csv.records.empty() && !known) || (csv.records.empty() && !csv.error.empty())) {
        parsed.problem =
            "it is not a provisioning report (its first line is not the report's header)";
        return parsed;
    }
    // Rows appended after a row cut short inside its quotes would be read as part of it.
    if (!csv.error.empty()) {
        parsed.problem = "its " + csv.error + ": end or remove that row first";
        return parsed;
    }
    parsed.headed = known;
    parsed.sixColumns = known && csv.records.front().fields == kSixColumnHeader;
    for (std::size_t at = 1; at < csv.records.size(); ++at) {
        const auto& fields = csv.records[at].fields;
        ReportLine line{.row = std::nullopt, .fields = fields};
        if (parsed.sixColumns && fields.size() == kSixColumnHeader.size()) {
            line.row = ReportRow{.time = fields[0],
                                 .serialNumber = fields[1],
                                 .deviceId = fields[2],
                                 .officerId = fields[3],
                                 .result = fields[4],
                                 .differing = differingNames(fields[5]),
                                 .identity = fields[2].empty() ? "" : std::string(kGiven),
                                 .workstation = {}};
        } else if (!parsed.sixColumns && fields.size() == kHeader.size()) {
            line.row = ReportRow{.time = valueOf(fields[0]),
                                 .serialNumber = valueOf(fields[1]),
                                 .deviceId = valueOf(fields[2]),
                                 .officerId = valueOf(fields[3]),
                                 .result = valueOf(fields[4]),
                                 .differing = differingNames(valueOf(fields[5])),
                                 .identity = valueOf(fields[6]),
                                 .workstation = valueOf(fields[7])};
        }
        parsed.lines.push_back(std::move(line));
    }
    return parsed;
}

// A report of six columns with the present header: each row's identity said, every cell as the
// report now writes it.
std::string withPresentHeader(const ParsedReport& parsed) {
    std::string text = csvLine(kHeader);
    for (const auto& line : parsed.lines) {
        if (line.row) {
            text += lineOf(*line.row);
            continue;
        }
        std::vector<std::string> cells;
        std::ranges::transform(line.fields, std::back_inserter(cells), cellOf);
        text += csvLine(cells);
    }
    return text;
}

std::string readProblem(const platform::WholeFile& whole) {
    if (whole.kind == platform::WholeFile::Kind::unusable) {
        return whole.problem;
    }
    return whole.text.size() > kReportLimit ? "it is larger than a report" : std::string();
}

}  // namespace

std::string_view fateName(Fate fate) {
    switch (fate) {
        case Fate::given:
            return kGiven;
        case Fate::released:
            return kReleased;
        case Fate::inDoubt:
            break;
    }
    return kInDoubt;
}

ProvisionReport::ProvisionReport() : workstation_(platform::hostName()) {}

std::string ProvisionReport::open(const std::filesystem::path& file) {
    // Opened first, so that the folders the lock file goes in are there.
    file_.emplace();
    if (const auto error = file_->open(file)) {
        file_.reset();
        const auto whole = platform::readWholeFile(file, 0);
        return whole.kind == platform::WholeFile::Kind::unusable ? whole.problem : error.message();
    }
    auto lockFile = file;
    lockFile += ".lock";
    // Two runs over one report would give one identity twice: the second is refused at once.
    if (const auto refusal = lock_.takeNamed(lockFile, std::chrono::milliseconds(0))) {
        file_.reset();
        if (!refusal->heldElsewhere) {
            return "its lock file " + escapedText(lockFile.string()) + " " + refusal->reason;
        }
        const auto holder = platform::FileLock::holderOf(lockFile);
        return "another run of provision is using it" +
               (holder ? " (process " + std::to_string(*holder) + ")" : std::string()) +
               "; one run at a time uses a report";
    }
    const auto whole = platform::readWholeFile(file, kReportLimit);
    auto parsed = parse(whole.text);
    if (auto problem = readProblem(whole); !problem.empty() || !parsed.problem.empty()) {
        file_.reset();
        return problem.empty() ? parsed.problem : problem;
    }
    for (const auto& line : parsed.lines) {
        if (line.row) {
            apply(*line.row);
        }
    }
    if (!parsed.headed) {
        // Written now, so that a report the disk cannot take is found before any camera is asked.
        const auto error = file_->append(1, [](std::string_view tail) {
            return tail.empty() || tail == "\n" ? csvLine(kHeader) : "\r\n" + csvLine(kHeader);
        });
        return error ? error.message() : std::string();
    }
    if (parsed.sixColumns) {
        // Closed first: Windows renames nothing over a file open for appending. The lock keeps
        // other runs out meanwhile.
        file_.reset();
        const auto error = platform::replaceFile(file, withPresentHeader(parsed));
        file_.emplace();
        if (const auto reopened = error ? error : file_->open(file)) {
            file_.reset();
            return "it could not be given the present header: " + reopened.message();
        }
    }
    return {};
}

std::string ProvisionReport::read(const std::filesystem::path& file) {
    const auto whole = platform::readWholeFile(file, kReportLimit);
    if (whole.kind == platform::WholeFile::Kind::missing) {
        return "there is no such file";
    }
    const auto parsed = parse(whole.text);
    if (auto problem = readProblem(whole); !problem.empty() || !parsed.problem.empty()) {
        return problem.empty() ? parsed.problem : problem;
    }
    for (const auto& line : parsed.lines) {
        if (line.row) {
            apply(*line.row);
        }
    }
    return {};
}

std::string ProvisionReport::record(const ReportRow& row) {
    return append(row);
}

std::optional<Holding> ProvisionReport::holdingOf(std::string_view serialNumber) const {
    const auto deviceId = bySerial_.find(serialNumber);
    if (serialNumber.empty() || deviceId == bySerial_.end()) {
        return std::nullopt;
    }
    const auto held = holdings_.find(deviceId->second);
    if (held == holdings_.end() || held->second.claim.serialNumber != serialNumber) {
        return std::nullopt;
    }
    return held->second;
}

bool ProvisionReport::isTaken(std::string_view deviceId) const {
    return holdings_.contains(deviceId);
}

ClaimAnswer ProvisionReport::claim(const Identity& identity, std::string_view serialNumber) {
    const auto held = holdings_.find(identity.deviceId);
    if (held != holdings_.end() &&
        (serialNumber.empty() || held->second.claim.serialNumber != serialNumber)) {
        return {.kind = ClaimAnswer::Kind::taken, .failure = {}};
    }
    auto failure = append({.time = {},
                           .serialNumber = std::string(serialNumber),
                           .deviceId = identity.deviceId,
                           .officerId = identity.officerId,
                           .result = {},
                           .differing = {},
                           .identity = std::string(kClaimed),
                           .workstation = {}});
    return {.kind = failure.empty() ? ClaimAnswer::Kind::claimed : ClaimAnswer::Kind::failed,
            .failure = std::move(failure)};
}

std::string ProvisionReport::settle(const Identity& identity, std::string_view serialNumber,
                                    Fate fate, const CameraResult& result) {
    return append({.time = {},
                   .serialNumber = std::string(serialNumber),
                   .deviceId = identity.deviceId,
                   .officerId = identity.officerId,
                   .result = result.result,
                   .differing = result.differing,
                   .identity = std::string(fateName(fate)),
                   .workstation = {}});
}

std::string ProvisionReport::release(const Identity& identity, std::string_view serialNumber) {
    const auto held = holdings_.find(identity.deviceId);
    if (held == holdings_.end() || !held->second.inDoubt ||
        held->second.claim.serialNumber != serialNumber) {
        return "the identity " + escapedText(identity.deviceId) + " is not in doubt with " +
               (serialNumber.empty() ? std::string("a camera without a serial number")
                                     : escapedText(serialNumber));
    }
    return append({.time = {},
                   .serialNumber = std::string(serialNumber),
                   .deviceId = identity.deviceId,
                   .officerId = identity.officerId,
                   .result = {},
                   .differing = {},
                   .identity = std::string(kReleasedByHand),
                   .workstation = {}});
}

LedgerSummary ProvisionReport::summary() const {
    LedgerSummary summary;
    for (const auto& [deviceId, held] : holdings_) {
        (held.inDoubt ? summary.inDoubt : summary.given).push_back(held.claim);
    }
    summary.failed = failed_;
    return summary;
}

std::string ProvisionReport::lookFailure() const {
    return {};
}

std::string ProvisionReport::append(ReportRow row) {
    row.time = platform::now().utc;
    row.workstation = workstation_;
    if (file_) {
        const std::string line = lineOf(row);
        const auto error = file_->append(1, [&](std::string_view tail) {
            // Ends a row that a power loss cut short, so that this one stands on its own line.
            return tail == "\n" ? line : "\r\n" + line;
        });
        if (error) {
            return error.message();
        }
    }
    apply(row);
    return {};
}

void ProvisionReport::apply(const ReportRow& row) {
    if (row.deviceId.empty()) {
        return;
    }
    const auto held = holdings_.find(row.deviceId);
    const bool sameCamera =
        held != holdings_.end() && held->second.claim.serialNumber == row.serialNumber;
    const Claim claim{.identity = {.deviceId = row.deviceId, .officerId = row.officerId},
                      .serialNumber = row.serialNumber,
                      .workstation = row.workstation,
                      .time = row.time};
    if (row.identity == kClaimed || row.identity == kInDoubt || row.identity == kGiven) {
        const bool inDoubt = row.identity != kGiven;
        // An identity stays in doubt from its claim on: a later row that is still in doubt keeps
        // the claim's time and workstation.
        if (!(sameCamera && inDoubt && held->second.inDoubt)) {
            holdings_[row.deviceId] = {.claim = claim, .inDoubt = inDoubt};
        }
        if (!row.serialNumber.empty()) {
            bySerial_[row.serialNumber] = row.deviceId;
        }
    } else if ((row.identity == kReleased || row.identity == kReleasedByHand) && sameCamera) {
        holdings_.erase(held);
        if (const auto last = bySerial_.find(row.serialNumber);
            last != bySerial_.end() && last->second == row.deviceId) {
            bySerial_.erase(last);
        }
        failed_ += row.identity == kReleased ? 1 : 0;
    }
}

}  // namespace cli
