#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "append_file.h"
#include "file_lock.h"
#include "identity_ledger.h"

namespace cli {

// The word the report and the shared ledger write for an identity's fate.
std::string_view fateName(Fate fate);

// One row of the report: a camera's outcome, or what became of an identity.
struct ReportRow {
    std::string time;
    std::string serialNumber;
    std::string deviceId;
    std::string officerId;
    // "ok", "differs" or "failed: why"; empty in a claim's row.
    std::string result;
    std::vector<std::string> differing;
    // What became of the row's identity: "claimed", "given", "released", "in doubt" or
    // "released by hand"; empty when the row names none.
    std::string identity;
    std::string workstation;
};

// The CSV report of provisioning runs, and the identity ledger of one workstation: a header, then
// a row per claim before its identity is written, and a row per camera after its read-back, each
// on the disk before the camera is written or the next one is asked, so that a run killed at any
// moment leaves whole rows, and every identity a killed run may have written is still claimed.
// Each cell is written as the terminal shows its value (control characters and bidirectional marks
// escaped, in quotes), after a ' when a spreadsheet would take it for a formula; reading undoes
// both. Without a file, the rows live as long as the object.
class ProvisionReport final : public IdentityLedger {
  public:
    ProvisionReport();

    // Opens the report for a run, which holds it until this object ends: locks it (refused while
    // another run holds it), makes it when missing, and brings a report of six columns to the
    // present header; the reason when it cannot be used.
    std::string open(const std::filesystem::path& file);
    // Reads the report without locking or changing it; the reason when it cannot be read.
    std::string read(const std::filesystem::path& file);
    // The row of a camera that was given no identity; the reason when it could not be written.
    std::string record(const ReportRow& row);

    std::optional<Holding> holdingOf(std::string_view serialNumber) const override;
    bool isTaken(std::string_view deviceId) const override;
    ClaimAnswer claim(const Identity& identity, std::string_view serialNumber) override;
    std::string settle(const Identity& identity, std::string_view serialNumber, Fate fate,
                       const CameraResult& result) override;
    std::string release(const Identity& identity, std::string_view serialNumber) override;
    LedgerSummary summary() const override;
    // The report is read whole when it is opened: a look never fails.
    std::string lookFailure() const override;

  private:
    // Writes the row, stamped now, and applies it; the reason when it could not be written.
    std::string append(ReportRow row);
    void apply(const ReportRow& row);

    std::string workstation_;
    platform::FileLock lock_;
    std::optional<platform::AppendFile> file_;
    // Each identity with a camera, by device ID.
    std::map<std::string, Holding, std::less<>> holdings_;
    // The device ID of the identity last with each camera, by serial number.
    std::map<std::string, std::string, std::less<>> bySerial_;
    std::size_t failed_ = 0;
};

}  // namespace cli
