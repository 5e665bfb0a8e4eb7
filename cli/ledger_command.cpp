#include <algorithm>

#include "change_log.h"
#include "commands.h"
#include "database_ledger.h"
#include "environment.h"
#include "profile_file.h"
#include "provision_report.h"
#include "who_and_when.h"
#include "whole_file.h"

namespace cli {
namespace {

std::string shown(const std::string& text) {
    return text.empty() ? std::string("-") : escapedText(text);
}

// "SN23110804575 B000005 200005 claimed 2026-12-08T10:00:03Z on bench-2"
std::string claimLine(const Claim& claim) {
    return shown(claim.serialNumber) + ' ' + shown(claim.identity.deviceId) + ' ' +
           shown(claim.identity.officerId) + " claimed " + shown(claim.time) + " on " +
           shown(claim.workstation);
}

// The shared ledger's own list stands in for an identities file.
int printStatus(const IdentityLedger& ledger, std::optional<IdentityList> identities,
                const Options& options, Console& console) {
    if (options.identities) {
        auto read = identityFile(options, console);
        if (const auto* status = std::get_if<int>(&read)) {
            return *status;
        }
        identities = std::move(std::get<IdentityList>(read));
    }
    const auto summary = ledger.summary();
    if (const auto failure = ledger.lookFailure(); !failure.empty()) {
        console.error() << "cannot read the ledger: " << failure << '\n';
        return kCameraFailed;
    }
    console.output << "given: " << summary.given.size() << '\n'
                   << "in doubt: " << summary.inDoubt.size() << '\n';
    for (const auto& claim : summary.inDoubt) {
        console.output << "  " << claimLine(claim) << '\n';
    }
    console.output << "failed: " << summary.failed << '\n';
    if (identities) {
        console.output << "left: "
                       << std::ranges::count_if(
                              identities->rows,
                              [&](const IdentityRow& row) { return !ledger.isTaken(row.deviceId); })
                       << '\n';
    }
    return kDone;
}

// The claim in doubt with the camera named by its serial number, or by the device ID claimed for
// it; why there is none.
std::variant<Claim, std::string> inDoubtWith(const IdentityLedger& ledger,
                                             const std::string& camera) {
    const auto summary = ledger.summary();
    const auto holding = ledger.holdingOf(camera);
    if (holding && holding->inDoubt) {
        return holding->claim;
    }
    const auto named = std::ranges::find(
        summary.inDoubt, camera, [](const Claim& claim) { return claim.identity.deviceId; });
    if (named != summary.inDoubt.end()) {
        return *named;
    }
    const auto given = std::ranges::find_if(summary.given, [&](const Claim& claim) {
        return claim.serialNumber == camera || claim.identity.deviceId == camera;
    });
    if (given != summary.given.end()) {
        return shown(given->serialNumber) + " holds " + escapedText(given->identity.deviceId) +
               ", given: only an identity in doubt is released";
    }
    return "no identity is in doubt with " + escapedText(camera);
}

// The change log's entry of a release, which no camera call follows: it holds its own outcome.
change_log::ChangeEntry releaseEntry(const Claim& claim, const Options& options) {
    const auto moment = platform::now();
    return {.time = moment.utc,
            .utcOffset = moment.utcOffset,
            .user = platform::userName(),
            .host = platform::hostName(),
            .frontEnd = "command line",
            .edition = {},
            .model = std::string(options.model->name),
            .deviceId = claim.identity.deviceId,
            .serialNumber = claim.serialNumber,
            .setting = "identity_claim",
            .oldValue = "in doubt",
            .newValue = "released",
            .outcome = std::string(change_log::kWritten)};
}

int release(IdentityLedger& ledger, const std::string& named, const Options& options,
            Console& console) {
    const auto found = inDoubtWith(ledger, *options.release);
    if (const auto failure = ledger.lookFailure(); !failure.empty()) {
        console.error() << "cannot read " << named << ": " << failure << '\n';
        return kCameraFailed;
    }
    if (const auto* why = std::get_if<std::string>(&found)) {
        console.error() << *why << '\n';
        return kUsageError;
    }
    const auto& claim = std::get<Claim>(found);
    // Logged ahead, as every change is: a release the log cannot take is not made.
    if (const auto file = change_log::logFile()) {
        change_log::ChangeLog log(*file);
        std::vector<change_log::ChangeEntry> entries{releaseEntry(claim, options)};
        if (const auto reason = log.append(entries)) {
            console.error() << "the change log " << escapedText(file->string())
                            << " cannot be written: " << *reason << "; nothing released\n";
            return kCameraFailed;
        }
    }
    if (const auto problem = ledger.release(claim.identity, claim.serialNumber); !problem.empty()) {
        console.error() << "cannot write " << named << ": " << problem << '\n';
        return kCameraFailed;
    }
    console.output << "released " << claimLine(claim) << '\n';
    return kDone;
}

}  // namespace

int runLedger(const Options& options, Console& console) {
    if (options.ledger) {
        DatabaseLedger shared;
        if (const auto problem = shared.open(*options.ledger); !problem.empty()) {
            console.error() << "cannot use the ledger: " << problem << '\n';
            return kUsageError;
        }
        if (options.release) {
            return release(shared, "the ledger", options, console);
        }
        auto list = shared.identities();
        if (const auto* problem = std::get_if<std::string>(&list)) {
            console.error() << "cannot read the ledger: " << *problem << '\n';
            return kCameraFailed;
        }
        return printStatus(shared, std::move(std::get<IdentityList>(list)), options, console);
    }
    const auto file = platform::pathFromUtf8(*options.report);
    const std::string named = escapedText(*options.report);
    ProvisionReport report;
    // Read alone for a summary, which a run going on may keep appending to; locked for a release.
    const bool missing =
        platform::readWholeFile(file, 0).kind == platform::WholeFile::Kind::missing;
    const auto problem = options.status ? report.read(file)
                         : missing      ? std::string("there is no such file")
                                        : report.open(file);
    if (!problem.empty()) {
        console.error() << "cannot use the report " << named << ": " << problem << '\n';
        return kUsageError;
    }
    return options.status ? printStatus(report, std::nullopt, options, console)
                          : release(report, "the report " + named, options, console);
}

}  // namespace cli
