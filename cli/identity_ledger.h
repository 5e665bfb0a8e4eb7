#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Identity {
    std::string deviceId;
    std::string officerId;

    bool operator==(const Identity&) const = default;
};

// An identity on its way to a camera, or there. It is claimed before it is written, so that a run
// killed at any moment leaves either nothing written or the identity with that camera's serial
// number.
struct Claim {
    Identity identity;
    // Empty for a camera without one: such a claim is only ever released by hand.
    std::string serialNumber;
    // The computer that claimed it, and when (UTC, ISO 8601).
    std::string workstation;
    std::string time;
};

// What the camera's read-back showed of the identity claimed for it.
enum class Fate {
    // The camera holds it.
    given,
    // The camera holds the identity it had before: the next camera may have this one.
    released,
    // Not known (the read-back failed, or the camera holds part of it): it stays with the camera
    // until the camera is read again or an administrator releases it.
    inDoubt,
};

// The identity a ledger has with one camera.
struct Holding {
    Claim claim;
    bool inDoubt = false;
};

struct LedgerSummary {
    std::vector<Claim> given;
    std::vector<Claim> inDoubt;
    // Identities a camera did not take, released for the next one.
    std::size_t failed = 0;
};

struct ClaimAnswer {
    enum class Kind {
        claimed,
        // Another camera has the identity, given or in doubt: nothing was recorded.
        taken,
        // The claim could not be recorded: the identity must not be written.
        failed,
    };
    Kind kind = Kind::claimed;
    std::string failure;
};

// The camera's own outcome, which the ledger keeps beside the identity's.
struct CameraResult {
    // "ok", "differs" or "failed: why".
    std::string result;
    std::vector<std::string> differing;
};

// Which identity is with which camera, so that each identity goes to exactly one camera: the report
// file of one workstation, or a database that several share. Every change is on the disk (or
// committed) before the call returns, stamped with the ledger's time and workstation.
class IdentityLedger {
  public:
    virtual ~IdentityLedger() = default;

    // The identity the ledger has with the camera of this serial number, given or in doubt;
    // nothing for an empty serial number, which names no camera.
    virtual std::optional<Holding> holdingOf(std::string_view serialNumber) const = 0;
    // Whether a camera has this device ID's identity, given or in doubt.
    virtual bool isTaken(std::string_view deviceId) const = 0;
    // Records that the identity goes to the camera of this serial number, if it is free or that
    // camera's already.
    virtual ClaimAnswer claim(const Identity& identity, std::string_view serialNumber) = 0;
    // Records what the read-back showed, with the camera's result; why not, when it could not.
    virtual std::string settle(const Identity& identity, std::string_view serialNumber, Fate fate,
                               const CameraResult& result) = 0;
    // Frees an identity in doubt with a camera that is gone, for the next camera; why not, when it
    // is not in doubt with that camera or could not be freed.
    virtual std::string release(const Identity& identity, std::string_view serialNumber) = 0;
    virtual LedgerSummary summary() const = 0;
    // Why the last look (holdingOf, isTaken, summary) could not read the ledger; empty when it
    // could. A look that fails answers as if the identity were taken and the camera held none.
    virtual std::string lookFailure() const = 0;
};

}  // namespace cli
