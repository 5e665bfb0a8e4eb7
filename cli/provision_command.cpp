#include <algorithm>
#include <cstdio>
#include <iostream>

#include "camera_presence.h"
#include "commands.h"
#include "database_ledger.h"
#include "environment.h"
#include "identity_list.h"
#include "input_source.h"
#include "interruption.h"
#include "password_source.h"
#include "profile_file.h"
#include "provision_report.h"
#include "setting_keys.h"
#include "setting_table.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

// Thousands of cameras fit in far less.
constexpr std::size_t kIdentitiesLimit = 16 * 1024 * 1024;

bool outputIsTerminal(const Console& console) {
#ifdef _WIN32
    const bool terminal = _isatty(_fileno(stdout)) != 0;
#else
    const bool terminal = ::isatty(STDOUT_FILENO) != 0;
#endif
    return &console.output == &std::cout && terminal;
}

// What became of one camera.
struct CameraOutcome {
    std::string serialNumber;
    // As the camera held them when it was read, then the identity written to it.
    std::string deviceId;
    std::string officerId;
    std::string result;
    std::vector<std::string> differing;
    // The identity written to it, or found on it as the ledger has it, and what its read-back
    // showed; nothing when no identity went to it.
    std::optional<Identity> identity;
    Fate fate = Fate::given;
    // The ledger could not take the claim: nothing was written, and the run stops.
    std::string ledgerFailure;

    bool ok() const { return result == "ok"; }
};

std::vector<Request> identityRequests(const Identity& identity) {
    return {{.name = "identity.device_id", .value = identity.deviceId},
            {.name = "identity.officer_id", .value = identity.officerId}};
}

Identity identityOf(const IdentityRow& row) {
    return {.deviceId = row.deviceId, .officerId = row.officerId};
}

Identity heldIdentity(const CameraSettings& settings) {
    const auto value = [&](std::string_view key) {
        const auto found = settings.values().find(std::string(key));
        return found == settings.values().end() ? std::string() : found->second.text;
    };
    return {.deviceId = value(camera::keys::kDeviceId),
            .officerId = value(camera::keys::kOfficerId)};
}

// What the camera, which held `before`, holds of `written` after the write.
Fate fateOf(CameraSettings& settings, const WriteResult& result, const Identity& before,
            const Identity& written) {
    if (before == written) {
        return Fate::given;
    }
    // A failed write leaves the values of the read before it: only a new read tells.
    if (result.status == kCameraFailed && !settings.read().statusOnly) {
        return Fate::inDoubt;
    }
    const auto held = heldIdentity(settings);
    return held == written ? Fate::given : held == before ? Fate::released : Fate::inDoubt;
}

// Why the row's identity cannot be this camera's; empty when it can.
std::string misfit(const CameraSettings& settings, const IdentityRow& row,
                   const std::vector<Setting>& table) {
    const auto requests = identityRequests(identityOf(row));
    const auto checked = settings.check(settingChanges(requests, table), false);
    const auto lines = refusalLines(checked.refusals, requests, settings.deviceKind());
    return lines.empty() ? std::string()
                         : "line " + std::to_string(row.line) + ": " + lines.front();
}

// The camera's row: by its serial number, else the first one no camera has that fits; or why none
// is.
std::variant<const IdentityRow*, std::string> pickRow(const CameraSettings& settings,
                                                      const IdentityList& identities,
                                                      const IdentityLedger& ledger,
                                                      const std::vector<Setting>& table,
                                                      const std::string& serialNumber) {
    std::string firstMisfit;
    for (const auto& row : identities.rows) {
        if (identities.bySerial && row.serialNumber != serialNumber) {
            continue;
        }
        // A ledger that cannot be read answers taken: the run stops on its failure.
        if (ledger.isTaken(row.deviceId)) {
            if (identities.bySerial) {
                return "the identity of line " + std::to_string(row.line) +
                       " is with another camera";
            }
            continue;
        }
        auto problem = misfit(settings, row, table);
        if (problem.empty()) {
            return &row;
        }
        if (identities.bySerial) {
            return problem;
        }
        if (firstMisfit.empty()) {
            firstMisfit = std::move(problem);
        }
    }
    if (identities.bySerial) {
        return "no identity for serial number " + serialNumber;
    }
    if (!firstMisfit.empty()) {
        return firstMisfit;
    }
    const auto inDoubt = ledger.summary().inDoubt.size();
    return inDoubt == 0 ? std::string("no identity left")
                        : "no identity left but the " + std::to_string(inDoubt) +
                              " in doubt with other cameras";
}

struct Provisioning {
    const Options& options;
    Options writing;
    Console& console;
    IdentityLedger& ledger;
    // The rows of cameras that were given no identity.
    ProvisionReport& report;
    std::vector<Setting> table;
    std::vector<Request> requests;
    std::optional<IdentityList> identities;
    std::u16string password;

    // An identity in doubt waits for its camera to come back.
    bool identitiesLeft() const {
        return !identities || !ledger.summary().inDoubt.empty() ||
               std::ranges::any_of(identities->rows, [&](const IdentityRow& row) {
                   return !ledger.isTaken(row.deviceId);
               });
    }

    // The camera's identity: the one the ledger has with it, in doubt or given, else a free row's;
    // claimed before it is written unless the ledger has it in doubt with the camera already, or
    // given and still on it. Why there is none; the ledger's failure also goes to `ledgerFailure`.
    std::string chooseIdentity(const CameraSettings& settings, CameraOutcome& outcome) {
        const auto holding = ledger.holdingOf(outcome.serialNumber);
        // A camera the ledger could not look up may hold an identity in doubt already.
        if (auto failure = ledger.lookFailure(); !failure.empty()) {
            outcome.ledgerFailure = std::move(failure);
            return "the ledger could not be read: " + outcome.ledgerFailure;
        }
        if (holding) {
            outcome.identity = holding->claim.identity;
            if (holding->inDoubt || holding->claim.identity == heldIdentity(settings)) {
                return {};
            }
            auto why = claim(outcome);
            return why.empty() && !outcome.identity
                       ? "the identity " + holding->claim.identity.deviceId +
                             " is with another camera"
                       : why;
        }
        for (;;) {
            const auto picked = pickRow(settings, *identities, ledger, table, outcome.serialNumber);
            if (const auto* why = std::get_if<std::string>(&picked)) {
                if (auto failure = ledger.lookFailure(); !failure.empty()) {
                    outcome.ledgerFailure = std::move(failure);
                    return "the ledger could not be read: " + outcome.ledgerFailure;
                }
                return *why;
            }
            outcome.identity = identityOf(*std::get<const IdentityRow*>(picked));
            // Another workstation of a shared ledger may take the row first: then the next row.
            if (auto why = claim(outcome); !why.empty() || outcome.identity) {
                return why;
            }
        }
    }

    // Claims the outcome's identity for its camera; why not. An identity another camera took is
    // dropped from the outcome.
    std::string claim(CameraOutcome& outcome) {
        auto answer = ledger.claim(*outcome.identity, outcome.serialNumber);
        switch (answer.kind) {
            case ClaimAnswer::Kind::claimed:
                return {};
            case ClaimAnswer::Kind::taken:
                outcome.identity.reset();
                return {};
            case ClaimAnswer::Kind::failed:
                break;
        }
        outcome.ledgerFailure = std::move(answer.failure);
        return "the identity could not be claimed: " + outcome.ledgerFailure;
    }

    CameraOutcome provision(change_log::LoggingCameraLibrary& logged) {
        CameraOutcome outcome;
        CameraSettings settings(logged, *options.model);
        if (const auto failure = settings.logIn(options.userType, password)) {
            console.error() << failure->line << '\n';
            outcome.result = "failed: " + failure->line;
            return outcome;
        }
        const auto failures = settings.read();
        const auto serialNumber = settings.values().find(std::string(camera::keys::kSerialNumber));
        if (serialNumber != settings.values().end()) {
            outcome.serialNumber = serialNumber->second.text;
        }
        const auto before = heldIdentity(settings);
        outcome.deviceId = before.deviceId;
        outcome.officerId = before.officerId;
        if (stopsWrite(failures, console)) {
            outcome.result = "failed: " + failures.lines.front();
            return outcome;
        }
        auto requested = requests;
        if (identities) {
            if (const auto why = chooseIdentity(settings, outcome); !why.empty()) {
                // The run stops on a ledger's failure, and says so then.
                if (outcome.ledgerFailure.empty()) {
                    console.error() << escapedText(why) << '\n';
                }
                outcome.identity.reset();
                outcome.result = "failed: " + why;
                return outcome;
            }
            const auto identity = identityRequests(*outcome.identity);
            requested.insert(requested.end(), identity.begin(), identity.end());
        }
        const auto written = writeRequests(settings, logged, requested, writing, console);
        if (outcome.identity) {
            outcome.deviceId = outcome.identity->deviceId;
            outcome.officerId = outcome.identity->officerId;
            outcome.fate = fateOf(settings, written, before, *outcome.identity);
        }
        outcome.differing = written.differing;
        outcome.result = written.status == kDone   ? "ok"
                         : written.failure.empty() ? "differs"
                                                   : "failed: " + written.failure;
        return outcome;
    }

    // Where the run keeps its identities, as its messages name it.
    std::string ledgerName() const {
        return options.ledger ? std::string("the ledger")
                              : "the report " + escapedText(options.report.value_or("-"));
    }

    // The camera's row, and what became of its identity; what could not take them, and why.
    std::string record(const CameraOutcome& outcome) {
        const CameraResult result{.result = outcome.result, .differing = outcome.differing};
        if (outcome.identity) {
            if (auto problem =
                    ledger.settle(*outcome.identity, outcome.serialNumber, outcome.fate, result);
                !problem.empty()) {
                return ledgerName() + ": " + problem;
            }
            // The shared ledger holds the identities; this workstation's report, its cameras.
            if (&ledger == &report) {
                return {};
            }
        }
        const bool shared = &ledger != &report && outcome.identity;
        auto problem =
            report.record({.time = {},
                           .serialNumber = outcome.serialNumber,
                           .deviceId = shared ? outcome.deviceId : std::string(),
                           .officerId = shared ? outcome.officerId : std::string(),
                           .result = result.result,
                           .differing = result.differing,
                           .identity = shared ? std::string(fateName(outcome.fate)) : std::string(),
                           .workstation = {}});
        return problem.empty()
                   ? problem
                   : "the report " + escapedText(options.report.value_or("-")) + ": " + problem;
    }

    void print(const CameraOutcome& outcome) {
        const auto shown = [](const std::string& text) {
            return text.empty() ? std::string("-") : escapedText(text);
        };
        console.output << shown(outcome.serialNumber) << ' ' << shown(outcome.deviceId) << ' '
                       << shown(outcome.officerId) << ' ' << outcome.result;
        for (std::size_t at = 0; at < outcome.differing.size(); ++at) {
            console.output << (at == 0 ? ": " : ", ") << outcome.differing[at];
        }
        if (outcome.identity && outcome.fate != Fate::given) {
            console.output << (outcome.fate == Fate::released
                                   ? " (identity released: the camera does not hold it)"
                                   : " (identity in doubt until this camera is read again)");
        }
        console.output << '\n';
        if (outputIsTerminal(console)) {
            console.output << '\a';
        }
        console.output.flush();
    }
};

// Connects to the shared ledger, adds the identities file's rows to it, and takes its list; the
// exit status when it cannot be used. The connection string may hold a password: it goes unsaid.
std::optional<int> openLedger(Provisioning& run, DatabaseLedger& ledger) {
    if (const auto problem = ledger.open(*run.options.ledger); !problem.empty()) {
        run.console.error() << "cannot use the ledger: " << problem << '\n';
        return kUsageError;
    }
    if (run.identities) {
        const auto refusals = ledger.load(*run.identities);
        for (const auto& refusal : refusals) {
            run.console.error() << escapedText(*run.options.identities) << ": "
                                << escapedText(refusal) << '\n';
        }
        if (!refusals.empty()) {
            return kUsageError;
        }
    }
    auto list = ledger.identities();
    if (const auto* problem = std::get_if<std::string>(&list)) {
        run.console.error() << "cannot use the ledger: " << *problem << '\n';
        return kUsageError;
    }
    run.identities = std::move(std::get<IdentityList>(list));
    return std::nullopt;
}

// The profile, the identities and the report, each checked before any camera is asked; the exit
// status when one cannot be used.
std::optional<int> prepare(Provisioning& run, ProvisionReport& report, DatabaseLedger& shared) {
    const auto& options = run.options;
    auto profile = profileRequests(options, run.console);
    if (const auto* status = std::get_if<int>(&profile)) {
        return *status;
    }
    run.requests = std::move(std::get<std::vector<Request>>(profile));
    const auto names = checkNames(run.requests, run.table);
    for (const auto& refusal : names) {
        run.console.error() << escapedText(refusal) << '\n';
    }
    if (!names.empty()) {
        return kUsageError;
    }
    if (options.identities) {
        if (*options.identities == "-" && options.operands.front() == "-") {
            run.console.error() << "the profile and the identities cannot both be standard input\n";
            return kUsageError;
        }
        auto read = identityFile(options, run.console);
        if (const auto* status = std::get_if<int>(&read)) {
            return *status;
        }
        run.identities = std::move(std::get<IdentityList>(read));
    }
    if (run.options.ledger) {
        if (const auto status = openLedger(run, shared)) {
            return *status;
        }
    }
    // Each camera's identity is its row's, or its own, never the profile's: the batch would share
    // one device ID.
    std::erase_if(run.requests, [&](const Request& request) {
        return findSetting(run.table, request.name)->group() == camera::SettingGroup::identity;
    });
    if (options.report) {
        if (const auto problem = report.open(platform::pathFromUtf8(*options.report));
            !problem.empty()) {
            run.console.error() << "cannot use the report " << escapedText(*options.report) << ": "
                                << problem << '\n';
            return kUsageError;
        }
    }
    const auto password = loginPassword(options.passwordFile, run.console);
    if (!password) {
        return kUsageError;
    }
    run.password = *password;
    return std::nullopt;
}

}  // namespace

std::variant<IdentityList, int> identityFile(const Options& options, Console& console) {
    const std::string& path = *options.identities;
    const std::string source = path == "-" ? "standard input" : escapedText(path);
    const auto file = readSource(path, console.input, kIdentitiesLimit);
    if (file.error) {
        console.error() << "cannot read " << source << ": " << *file.error << '\n';
        return kUsageError;
    }
    auto read = readIdentities(file.bytes, *options.model);
    if (const auto* refusals = std::get_if<std::vector<std::string>>(&read)) {
        for (const auto& refusal : *refusals) {
            console.error() << source << ": " << escapedText(refusal) << '\n';
        }
        return kUsageError;
    }
    return std::move(std::get<IdentityList>(read));
}

int runProvision(const Options& options, camera::CameraLibrary& camera, Console& console) {
    Options writing = options;
    // One line per camera: the groups written go unsaid.
    writing.quiet = true;
    // Without a file, the report keeps its rows for the run alone.
    ProvisionReport report;
    DatabaseLedger shared;
    Provisioning run{.options = options,
                     .writing = writing,
                     .console = console,
                     .ledger = options.ledger ? static_cast<IdentityLedger&>(shared) : report,
                     .report = report,
                     .table = settingTable(*options.model),
                     .requests = {},
                     .identities = {},
                     .password = {}};
    if (const auto status = prepare(run, report, shared)) {
        return *status;
    }
    change_log::LoggingCameraLibrary logged(camera, change_log::logFile());
    logged.serve(*options.model, {.frontEnd = "command line", .edition = {}});
    const Interruption interruption;
    const auto stopped = [] { return Interruption::requested(); };
    const auto say = [&](std::string_view text) {
        if (!options.quiet) {
            console.error() << text << '\n';
        }
    };
    const auto waitFor = [&](bool connected) {
        return waitForCamera(camera, console,
                             {.connected = connected,
                              .timeout = std::nullopt,
                              .stopped = stopped,
                              .quiet = options.quiet});
    };
    bool allOk = true;
    bool unanchoredSaid = false;
    while (run.identitiesLeft()) {
        say("connect a camera (Ctrl-C ends)");
        if (const auto end = waitFor(true); end != WaitEnd::reached) {
            if (end == WaitEnd::failed) {
                return kCameraFailed;
            }
            break;
        }
        const auto outcome = run.provision(logged);
        // Held from the look that found the camera to its read-back.
        letCameraGo(console);
        unanchoredSaid = unanchoredSaid || sayUnanchored(logged, console);
        allOk = allOk && outcome.ok();
        // On the disk before it is said: a camera printed is a camera the report holds.
        const auto problem = outcome.ledgerFailure.empty()
                                 ? run.record(outcome)
                                 : run.ledgerName() + ": " + outcome.ledgerFailure;
        if (!problem.empty()) {
            console.error() << "cannot write " << problem << "; stopped\n";
            return kCameraFailed;
        }
        run.print(outcome);
        if (stopped() || !run.identitiesLeft()) {
            break;
        }
        say("disconnect the camera");
        if (const auto end = waitFor(false); end != WaitEnd::reached) {
            if (end == WaitEnd::failed) {
                return kCameraFailed;
            }
            break;
        }
    }
    return allOk ? kDone : kCameraFailed;
}

}  // namespace cli
