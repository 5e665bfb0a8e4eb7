#include <algorithm>
#include <cstdio>
#include <iostream>
#include <set>

#include "camera_presence.h"
#include "commands.h"
#include "identity_list.h"
#include "input_source.h"
#include "interruption.h"
#include "password_source.h"
#include "profile_file.h"
#include "provision_report.h"
#include "setting_keys.h"
#include "setting_table.h"
#include "who_and_when.h"

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
    std::string deviceId;
    std::string officerId;
    std::string result;
    std::vector<std::string> differing;
    // The identity row given to it: from then on used.
    const IdentityRow* row = nullptr;

    bool ok() const { return result == "ok"; }
};

std::vector<Request> identityRequests(const IdentityRow& row) {
    return {{.name = "identity.device_id", .value = row.deviceId},
            {.name = "identity.officer_id", .value = row.officerId}};
}

// Why the row's identity cannot be this camera's; empty when it can.
std::string misfit(const CameraSettings& settings, const IdentityRow& row,
                   const std::vector<Setting>& table) {
    const auto requests = identityRequests(row);
    const auto checked = settings.check(settingChanges(requests, table), false);
    const auto lines = refusalLines(checked.refusals, requests, settings.deviceKind());
    return lines.empty() ? std::string()
                         : "line " + std::to_string(row.line) + ": " + lines.front();
}

// The camera's row: by its serial number, else the first unused one that fits; or why none is.
std::variant<const IdentityRow*, std::string> pickRow(const CameraSettings& settings,
                                                      const IdentityList& identities,
                                                      const std::set<std::string>& given,
                                                      const std::vector<Setting>& table,
                                                      const std::string& serialNumber) {
    std::string firstMisfit;
    for (const auto& row : identities.rows) {
        if (identities.bySerial && row.serialNumber != serialNumber) {
            continue;
        }
        if (given.contains(row.deviceId)) {
            if (identities.bySerial) {
                return "the identity of line " + std::to_string(row.line) + " is given already";
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
    return firstMisfit.empty() ? std::string("no identity left") : firstMisfit;
}

struct Provisioning {
    const Options& options;
    Options writing;
    Console& console;
    std::vector<Setting> table;
    std::vector<Request> requests;
    std::optional<IdentityList> identities;
    std::u16string password;
    std::set<std::string> given;

    bool identitiesLeft() const {
        return !identities || std::ranges::any_of(identities->rows, [&](const IdentityRow& row) {
            return !given.contains(row.deviceId);
        });
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
        const auto value = [&](std::string_view key) {
            const auto found = settings.values().find(std::string(key));
            return found == settings.values().end() ? std::string() : found->second.text;
        };
        outcome.serialNumber = value(camera::keys::kSerialNumber);
        outcome.deviceId = value(camera::keys::kDeviceId);
        outcome.officerId = value(camera::keys::kOfficerId);
        if (stopsWrite(failures, console)) {
            outcome.result = "failed: " + failures.lines.front();
            return outcome;
        }
        auto requested = requests;
        if (identities) {
            const auto picked = pickRow(settings, *identities, given, table, outcome.serialNumber);
            if (const auto* why = std::get_if<std::string>(&picked)) {
                console.error() << escapedText(*why) << '\n';
                outcome.result = "failed: " + *why;
                return outcome;
            }
            outcome.row = std::get<const IdentityRow*>(picked);
            const auto identity = identityRequests(*outcome.row);
            requested.insert(requested.end(), identity.begin(), identity.end());
        }
        const auto written = writeRequests(settings, logged, requested, writing, console);
        if (outcome.row != nullptr) {
            outcome.deviceId = outcome.row->deviceId;
            outcome.officerId = outcome.row->officerId;
        }
        outcome.differing = written.differing;
        outcome.result = written.status == kDone   ? "ok"
                         : written.failure.empty() ? "differs"
                                                   : "failed: " + written.failure;
        // A refused write sent nothing: the row may go to another camera.
        if (written.status == kUsageError) {
            outcome.row = nullptr;
        }
        return outcome;
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
        console.output << '\n';
        if (outputIsTerminal(console)) {
            console.output << '\a';
        }
        console.output.flush();
    }
};

// The profile, the identities and the report, each checked before any camera is asked; the exit
// status when one cannot be used.
std::optional<int> prepare(Provisioning& run, ProvisionReport& report) {
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
        const std::string& path = *options.identities;
        const std::string source = path == "-" ? "standard input" : escapedText(path);
        if (path == "-" && options.operands.front() == "-") {
            run.console.error() << "the profile and the identities cannot both be standard input\n";
            return kUsageError;
        }
        const auto file = readSource(path, run.console.input, kIdentitiesLimit);
        if (file.error) {
            run.console.error() << "cannot read " << source << ": " << *file.error << '\n';
            return kUsageError;
        }
        auto read = readIdentities(file.bytes, *options.model);
        if (const auto* refusals = std::get_if<std::vector<std::string>>(&read)) {
            for (const auto& refusal : *refusals) {
                run.console.error() << source << ": " << escapedText(refusal) << '\n';
            }
            return kUsageError;
        }
        run.identities = std::move(std::get<IdentityList>(read));
    }
    // Each camera's identity is its row's, or its own, never the profile's: the batch would share
    // one device ID.
    std::erase_if(run.requests, [&](const Request& request) {
        return findSetting(run.table, request.name)->group() == camera::SettingGroup::identity;
    });
    if (options.report) {
        if (const auto problem = report.open(*options.report); !problem.empty()) {
            run.console.error() << "cannot use the report " << escapedText(*options.report) << ": "
                                << problem << '\n';
            return kUsageError;
        }
        run.given = report.givenDeviceIds();
    }
    const auto password = loginPassword(options.passwordFile, run.console);
    if (!password) {
        return kUsageError;
    }
    run.password = *password;
    return std::nullopt;
}

}  // namespace

int runProvision(const Options& options, camera::CameraLibrary& camera, Console& console) {
    Options writing = options;
    // One line per camera: the groups written go unsaid.
    writing.quiet = true;
    Provisioning run{.options = options,
                     .writing = writing,
                     .console = console,
                     .table = settingTable(*options.model),
                     .requests = {},
                     .identities = {},
                     .password = {},
                     .given = {}};
    ProvisionReport report;
    if (const auto status = prepare(run, report)) {
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
        if (outcome.row != nullptr) {
            run.given.insert(outcome.row->deviceId);
        }
        run.print(outcome);
        if (options.report) {
            const auto problem =
                report.append({.time = platform::now().utc,
                               .serialNumber = outcome.serialNumber,
                               .deviceId = outcome.row != nullptr ? outcome.row->deviceId : "",
                               .officerId = outcome.row != nullptr ? outcome.row->officerId : "",
                               .result = outcome.result,
                               .differing = outcome.differing});
            if (!problem.empty()) {
                console.error() << "cannot write the report " << escapedText(*options.report)
                                << ": " << problem << "; stopped\n";
                return kCameraFailed;
            }
        }
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
