#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "identity_ledger.h"
#include "identity_list.h"
#include "odbc_connection.h"

namespace cli {

// The identity ledger that the workstations of a fleet share: a database reached through ODBC,
// whose identities table holds each identity's state ('free', 'claimed' until its camera's
// read-back, 'given') and its claim, and whose outcomes table holds every claim and outcome. A
// claim is an UPDATE of a free row whose row count says whether this workstation got it, each
// change its own transaction, run again when the server refuses it to keep concurrent ones apart;
// portable SQL, no server's own locking. A change that cannot be committed leaves the identity
// claimed: in doubt, never given twice.
class DatabaseLedger final : public IdentityLedger {
  public:
    DatabaseLedger();

    // Connects, and makes the tables when missing; why not.
    std::string open(std::string_view connectionString);
    // Adds the list's identities: rows the ledger has as they are change nothing. One "line N: ..."
    // per row that differs from the ledger's (nothing is added then), or the failure.
    std::vector<std::string> load(const IdentityList& list);
    // The ledger's identities in the order they were added; why not.
    std::variant<IdentityList, std::string> identities() const;

    std::optional<Holding> holdingOf(std::string_view serialNumber) const override;
    bool isTaken(std::string_view deviceId) const override;
    ClaimAnswer claim(const Identity& identity, std::string_view serialNumber) override;
    std::string settle(const Identity& identity, std::string_view serialNumber, Fate fate,
                       const CameraResult& result) override;
    std::string release(const Identity& identity, std::string_view serialNumber) override;
    LedgerSummary summary() const override;
    std::string lookFailure() const override;

  private:
    std::string makeTables();
    // Runs a change as one transaction, again while the server asks for it; the failure. The
    // change answers its first failed statement, or nothing.
    std::string transaction(const std::function<StatementResult()>& change);
    // A look, which sets or clears the look's failure.
    StatementResult look(std::string_view sql, const std::vector<std::string>& parameters) const;
    std::string recordOutcome(const Identity& identity, std::string_view serialNumber,
                              std::string_view what, const CameraResult& result);

    std::string workstation_;
    // The looks are const to the ledger, not to the connection.
    mutable OdbcConnection connection_;
    mutable std::string lookFailure_;
};

}  // namespace cli
