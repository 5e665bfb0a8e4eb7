#include "database_ledger.h"

#include <algorithm>
#include <map>

#include "profile_file.h"
#include "provision_report.h"
#include "who_and_when.h"

namespace cli {
namespace {

// Types every SQL server takes; the time is ISO 8601 text in UTC, as the report writes it.
constexpr std::string_view kIdentitiesTable =
    "CREATE TABLE qumat_identities ("
    "device_id VARCHAR(64) NOT NULL PRIMARY KEY, "
    "officer_id VARCHAR(64) NOT NULL, "
    // The list's serial number to match a camera on, or '' for a list matched by order.
    "for_serial VARCHAR(64) NOT NULL, "
    "list_line INTEGER NOT NULL, "
    "list_order INTEGER NOT NULL, "
    // 'free', 'claimed' (in doubt until the camera's read-back) or 'given'.
    "state VARCHAR(16) NOT NULL, "
    // The claim: the camera's serial number, the workstation and the time; '' when free.
    "serial_number VARCHAR(64) NOT NULL, "
    "workstation VARCHAR(255) NOT NULL, "
    "claimed_at VARCHAR(32) NOT NULL)";
constexpr std::string_view kOutcomesTable =
    "CREATE TABLE qumat_outcomes ("
    "recorded_at VARCHAR(32) NOT NULL, "
    "workstation VARCHAR(255) NOT NULL, "
    "serial_number VARCHAR(64) NOT NULL, "
    "device_id VARCHAR(64) NOT NULL, "
    "officer_id VARCHAR(64) NOT NULL, "
    // As the report's identity column: claimed, given, released, in doubt, released by hand.
    "identity VARCHAR(32) NOT NULL, "
    "result VARCHAR(1000) NOT NULL, "
    "differing VARCHAR(1000) NOT NULL)";

constexpr std::string_view kClaimColumns =
    "device_id, officer_id, serial_number, workstation, claimed_at, state";

// Tries enough for four benches claiming the same row at once.
constexpr int kAttempts = 20;

Holding holdingFrom(const std::vector<std::string>& row) {
    return {.claim = {.identity = {.deviceId = row[0], .officerId = row[1]},
                      .serialNumber = row[2],
                      .workstation = row[3],
                      .time = row[4]},
            .inDoubt = row[5] != "given"};
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

}  // namespace

DatabaseLedger::DatabaseLedger() : workstation_(platform::hostName()) {}

std::string DatabaseLedger::open(std::string_view connectionString) {
    if (auto failure = connection_.connect(connectionString); !failure.empty()) {
        return failure;
    }
    return makeTables();
}

std::string DatabaseLedger::makeTables() {
    // A workstation that makes them at the same moment as another finds them made the second
    // time round.
    std::string failure;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto probe = connection_.execute(
            "SELECT COUNT(*) FROM qumat_identities, qumat_outcomes WHERE 1 = 0");
        connection_.rollback();
        if (!probe.failed()) {
            return {};
        }
        failure = transaction([&] {
            auto made = connection_.execute(kIdentitiesTable);
            return made.failed() ? made : connection_.execute(kOutcomesTable);
        });
        if (failure.empty()) {
            return {};
        }
    }
    return "its tables could not be made: " + failure;
}

std::string DatabaseLedger::transaction(const std::function<StatementResult()>& change) {
    std::string failure;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const auto result = change();
        if (result.failed()) {
            connection_.rollback();
            if (!result.mustRetry()) {
                return result.failure;
            }
            failure = result.failure;
            continue;
        }
        // A commit that fails leaves the change undone, or, when the answer was lost, done: a
        // claim either way stays with its camera.
        auto committed = connection_.commit();
        if (committed.empty()) {
            return {};
        }
        failure = std::move(committed);
        connection_.rollback();
    }
    return failure;
}

StatementResult DatabaseLedger::look(std::string_view sql,
                                     const std::vector<std::string>& parameters) const {
    auto result = connection_.execute(sql, parameters);
    // Ends the transaction the look began, so that none is left open between cameras.
    const auto ended = connection_.rollback();
    lookFailure_ = result.failed() ? result.failure : ended;
    return result;
}

std::vector<std::string> DatabaseLedger::load(const IdentityList& list) {
    std::vector<std::string> refusals;
    const auto failure = transaction([&]() -> StatementResult {
        refusals.clear();
        auto held =
            connection_.execute("SELECT device_id, officer_id, for_serial FROM qumat_identities");
        if (held.failed()) {
            return held;
        }
        std::map<std::string, const std::vector<std::string>*> byDevice;
        std::map<std::string, const std::vector<std::string>*> byOfficer;
        bool heldBySerial = false;
        for (const auto& row : held.rows) {
            byDevice[row[0]] = &row;
            byOfficer[row[1]] = &row;
            heldBySerial = heldBySerial || !row[2].empty();
        }
        if (!held.rows.empty() && heldBySerial != list.bySerial) {
            refusals.push_back(heldBySerial ? "the ledger matches identities by serial number, "
                                              "this list has no identity.serial_number column"
                                            : "the ledger matches identities by order, this list "
                                              "has an identity.serial_number column");
            return {};
        }
        std::vector<const IdentityRow*> added;
        for (const auto& row : list.rows) {
            const auto device = byDevice.find(row.deviceId);
            const auto officer = byOfficer.find(row.officerId);
            const auto line = "line " + std::to_string(row.line) + ": ";
            if (device != byDevice.end() && ((*device->second)[1] != row.officerId ||
                                             (*device->second)[2] != row.serialNumber)) {
                refusals.push_back(
                    line + "the ledger has device ID " + escapedText(row.deviceId) +
                    " with officer ID " + escapedText((*device->second)[1]) +
                    ((*device->second)[2].empty()
                         ? std::string()
                         : " for serial number " + escapedText((*device->second)[2])));
            } else if (device == byDevice.end() && officer != byOfficer.end()) {
                refusals.push_back(line + "the ledger has officer ID " +
                                   escapedText(row.officerId) + " with device ID " +
                                   escapedText((*officer->second)[0]));
            } else if (device == byDevice.end()) {
                added.push_back(&row);
            }
        }
        if (!refusals.empty()) {
            return {};
        }
        for (std::size_t at = 0; at < added.size(); ++at) {
            auto inserted = connection_.execute(
                "INSERT INTO qumat_identities (device_id, officer_id, for_serial, list_line, "
                "list_order, state, serial_number, workstation, claimed_at) "
                "VALUES (?, ?, ?, ?, ?, 'free', '', '', '')",
                {added[at]->deviceId, added[at]->officerId, added[at]->serialNumber,
                 std::to_string(added[at]->line), std::to_string(held.rows.size() + at)});
            // Another workstation adding the same list at once: the next round finds its rows.
            if (inserted.failed() && inserted.sqlState.starts_with("23")) {
                inserted.sqlState = "40001";
            }
            if (inserted.failed()) {
                return inserted;
            }
        }
        return {};
    });
    if (!failure.empty()) {
        return {"the identities could not be added to the ledger: " + failure};
    }
    return refusals;
}

std::variant<IdentityList, std::string> DatabaseLedger::identities() const {
    const auto rows = look(
        "SELECT device_id, officer_id, for_serial, list_line FROM qumat_identities "
        "ORDER BY list_order, device_id",
        {});
    if (rows.failed()) {
        return rows.failure;
    }
    IdentityList list;
    for (const auto& row : rows.rows) {
        list.rows.push_back({.line = std::stoul(row[3]),
                             .deviceId = row[0],
                             .officerId = row[1],
                             .serialNumber = row[2]});
        list.bySerial = list.bySerial || !row[2].empty();
    }
    return list;
}

std::optional<Holding> DatabaseLedger::holdingOf(std::string_view serialNumber) const {
    if (serialNumber.empty()) {
        return std::nullopt;
    }
    const auto rows = look("SELECT " + std::string(kClaimColumns) +
                               " FROM qumat_identities WHERE serial_number = ? AND state <> "
                               "'free' ORDER BY claimed_at DESC",
                           {std::string(serialNumber)});
    if (rows.rows.empty()) {
        return std::nullopt;
    }
    return holdingFrom(rows.rows.front());
}

bool DatabaseLedger::isTaken(std::string_view deviceId) const {
    const auto rows =
        look("SELECT state FROM qumat_identities WHERE device_id = ?", {std::string(deviceId)});
    return rows.failed() || (!rows.rows.empty() && rows.rows.front()[0] != "free");
}

ClaimAnswer DatabaseLedger::claim(const Identity& identity, std::string_view serialNumber) {
    bool claimed = false;
    const auto time = platform::now().utc;
    const auto failure = transaction([&]() -> StatementResult {
        // Free, or this camera's already: the row count says which workstation got it.
        auto updated = connection_.execute(
            "UPDATE qumat_identities SET state = 'claimed', serial_number = ?, workstation = ?, "
            "claimed_at = ? WHERE device_id = ? AND officer_id = ? AND "
            "(state = 'free' OR (serial_number = ? AND serial_number <> ''))",
            {std::string(serialNumber), workstation_, time, identity.deviceId, identity.officerId,
             std::string(serialNumber)});
        claimed = !updated.failed() && updated.changed == 1;
        if (updated.failed() || !claimed) {
            return updated;
        }
        return connection_.execute(
            "INSERT INTO qumat_outcomes VALUES (?, ?, ?, ?, ?, 'claimed', '', '')",
            {time, workstation_, std::string(serialNumber), identity.deviceId, identity.officerId});
    });
    if (!failure.empty()) {
        return {.kind = ClaimAnswer::Kind::failed, .failure = failure};
    }
    return {.kind = claimed ? ClaimAnswer::Kind::claimed : ClaimAnswer::Kind::taken, .failure = {}};
}

std::string DatabaseLedger::settle(const Identity& identity, std::string_view serialNumber,
                                   Fate fate, const CameraResult& result) {
    return recordOutcome(identity, serialNumber, fateName(fate), result);
}

std::string DatabaseLedger::release(const Identity& identity, std::string_view serialNumber) {
    return recordOutcome(identity, serialNumber, "released by hand", {});
}

std::string DatabaseLedger::recordOutcome(const Identity& identity, std::string_view serialNumber,
                                          std::string_view what, const CameraResult& result) {
    bool held = false;
    const auto failure = transaction([&]() -> StatementResult {
        const std::string sql = what == "given" ? "UPDATE qumat_identities SET state = 'given' "
                                : what == "in doubt"
                                    ? "UPDATE qumat_identities SET state = 'claimed' "
                                    : "UPDATE qumat_identities SET state = 'free', serial_number = "
                                      "'', workstation = '', claimed_at = '' ";
        // Only the claim of this camera: an identity released by hand meanwhile is not taken
        // back, and only one in doubt is released by hand.
        auto updated = connection_.execute(
            sql + "WHERE device_id = ? AND serial_number = ? AND state <> 'free'" +
                (what == "released by hand" ? " AND state = 'claimed'" : ""),
            {identity.deviceId, std::string(serialNumber)});
        held = !updated.failed() && updated.changed == 1;
        if (updated.failed() || !held) {
            return updated;
        }
        return connection_.execute(
            "INSERT INTO qumat_outcomes VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {platform::now().utc, workstation_, std::string(serialNumber), identity.deviceId,
             identity.officerId, std::string(what), result.result, joined(result.differing)});
    });
    if (!failure.empty()) {
        return failure;
    }
    return held ? std::string()
                : "the identity " + escapedText(identity.deviceId) + " is not " +
                      (what == "released by hand" ? "in doubt" : "claimed") + " with " +
                      (serialNumber.empty() ? std::string("a camera without a serial number")
                                            : escapedText(serialNumber));
}

LedgerSummary DatabaseLedger::summary() const {
    LedgerSummary summary;
    const auto held = look("SELECT " + std::string(kClaimColumns) +
                               " FROM qumat_identities WHERE state <> 'free' ORDER BY claimed_at",
                           {});
    if (held.failed()) {
        return summary;
    }
    for (const auto& row : held.rows) {
        const auto holding = holdingFrom(row);
        (holding.inDoubt ? summary.inDoubt : summary.given).push_back(holding.claim);
    }
    const auto failed = look("SELECT COUNT(*) FROM qumat_outcomes WHERE identity = 'released'", {});
    summary.failed = failed.rows.empty() ? 0 : std::stoul(failed.rows.front()[0]);
    return summary;
}

std::string DatabaseLedger::lookFailure() const {
    return lookFailure_;
}

}  // namespace cli
