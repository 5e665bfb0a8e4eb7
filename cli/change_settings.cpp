#include <utility>

#include "camera_presence.h"
#include "commands.h"
#include "input_source.h"
#include "json_text.h"
#include "logging_camera_library.h"
#include "password_source.h"
#include "profile_file.h"
#include "setting_selection.h"
#include "setting_table.h"
#include "utf8.h"

namespace cli {
namespace {

bool refuse(const std::vector<std::string>& refusals, Console& console) {
    for (const auto& refusal : refusals) {
        // A refusal may repeat the value it refuses, which may hold anything.
        console.error() << escapedText(refusal) << '\n';
    }
    return !refusals.empty();
}

// "name: old -> new" for each change, a secret's values not printed, only that it changes; then
// what else the write would change.
void listChanges(const camera::CheckedChanges& checked, const CameraSettings& settings,
                 const Options& options, Console& console) {
    const auto& values = settings.values();
    for (const camera::CatalogueRow* row : checked.changed) {
        const auto key = std::string(row->key);
        console.output << settingName(*row) << ": ";
        if (row->privacy == camera::Privacy::secret && !options.showSecrets) {
            console.output << "changes (a secret: --show-secrets prints it)";
        } else {
            console.output << escapedText(values.at(key).text) << " -> "
                           << escapedText(checked.wanted.at(key).text);
        }
        // With --format-card given, the list says what will happen, not what is missing.
        if (row->destroysRecordings) {
            console.output << (options.formatCard
                                   ? " (formats the memory card)"
                                   : " (formats the memory card: needs --format-card)");
        }
        console.output << '\n';
    }
    for (const auto& line : settings.alsoChanges(checked.wanted)) {
        console.output << "also " << line << '\n';
    }
}

// A secret given as '-' or '@FILE': the line read for it; the reason when there is none.
std::optional<std::string> secretFrom(const std::string& setting, const std::string& source,
                                      Console& console, std::string& value) {
    // A secret of a few dozen characters; a longer first line is not one.
    constexpr std::size_t kLineLimit = 1024;
    const std::string name = source == "-" ? source : source.substr(1);
    // Typed on a terminal, it is not shown.
    if (name == "-") {
        if (auto typed = console.askHidden(setting + ": ")) {
            value = *typed;
            return std::nullopt;
        }
    }
    const auto read = readSource(name, console.input, kLineLimit, true);
    const std::string where = name == "-" ? std::string("standard input") : name;
    if (read.error) {
        return "cannot read " + where + ": " + *read.error;
    }
    // An empty line is an empty value; no line at all is a file or pipe left empty by mistake.
    if (read.empty) {
        return where + " holds no line";
    }
    // A camera text ends at its first zero byte: the rest would be lost.
    if (read.bytes.find('\0') != std::string::npos) {
        return where + " holds a NUL byte, which would cut the value short";
    }
    // An editor's byte-order mark is no part of the secret.
    value = platform::withoutByteOrderMark(read.bytes);
    return std::nullopt;
}

}  // namespace

std::optional<int> logIn(CameraSettings& settings, const Options& options, Console& console) {
    const auto password = loginPassword(options.passwordFile, console);
    if (!password) {
        return kUsageError;
    }
    std::optional<CallFailure> failure;
    if (auto refusal = holdCamera(console)) {
        failure = CallFailure{.line = std::move(*refusal), .call = {}};
    } else {
        failure = settings.logIn(options.userType, *password);
    }
    if (failure) {
        // show --json answers with its error object, however early the camera failed.
        if (options.json) {
            console.output << jsonError(failure->line, failure->call);
        }
        console.error() << failure->line << '\n';
        return kCameraFailed;
    }
    return std::nullopt;
}

int changeSettings(const std::vector<Request>& requests, const Options& options,
                   camera::CameraLibrary& camera, Console& console) {
    const auto table = settingTable(*options.model);
    if (refuse(checkNames(requests, table), console)) {
        return kUsageError;
    }
    change_log::LoggingCameraLibrary logged(camera, change_log::logFile());
    logged.serve(*options.model, {.frontEnd = "command line", .edition = {}});
    CameraSettings settings(logged, *options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    // Every group is read first, so that a write keeps what it does not change.
    if (stopsWrite(settings.read(), console)) {
        return kCameraFailed;
    }
    const int status = writeRequests(settings, logged, requests, options, console).status;
    sayUnanchored(logged, console);
    return status;
}

bool sayUnanchored(const change_log::LoggingCameraLibrary& logged, Console& console) {
    const auto reason = logged.unanchored();
    if (reason.empty()) {
        return false;
    }
    console.error() << "the change log's line hashes reached no system log (" << escapedText(reason)
                    << "); QUMAT_SYSTEM_LOG=required refuses a change that cannot be anchored\n";
    return true;
}

WriteResult writeRequests(CameraSettings& settings, const change_log::LoggingCameraLibrary& logged,
                          const std::vector<Request>& requests, const Options& options,
                          Console& console) {
    const auto table = settingTable(*options.model);
    // A dry run lists the change it would refuse.
    const auto checked =
        settings.check(settingChanges(requests, table), options.formatCard || options.dryRun);
    const auto refusals = refusalLines(checked.refusals, requests, settings.deviceKind());
    if (refuse(refusals, console)) {
        return {.status = kUsageError, .differing = {}, .failure = refusals.front()};
    }
    if (checked.changed.empty()) {
        if (!options.quiet) {
            console.output << "nothing to change\n";
        }
        return {};
    }
    if (options.dryRun || (options.command == Command::importProfile && !options.quiet)) {
        listChanges(checked, settings, options, console);
    }
    if (options.dryRun) {
        return {
            .status = options.exitCode ? kChangesPending : kDone, .differing = {}, .failure = {}};
    }
    auto failures = settings.write(checked.wanted, options.formatCard, options.quiet, console,
                                   [&logged] { return logged.lastChangeUnsent(); });
    if (!logged.failure().empty()) {
        console.error() << escapedText(logged.failure()) << '\n';
        failures.push_back(logged.failure());
    }
    if (!failures.empty()) {
        return {.status = kCameraFailed, .differing = {}, .failure = failures.front()};
    }
    // The camera's flag says it took the records; only a read says what it holds.
    const auto readBack = settings.readBack(checked, options.showSecrets);
    refuse(readBack.lines, console);
    if (!logged.failure().empty()) {
        console.error() << escapedText(logged.failure()) << '\n';
        return {
            .status = kCameraFailed, .differing = readBack.differing, .failure = logged.failure()};
    }
    if (readBack.lines.empty()) {
        return {};
    }
    return {.status = kCameraFailed,
            .differing = readBack.differing,
            .failure = readBack.differing.empty() ? readBack.lines.front() : std::string()};
}

int runSet(const Options& options, camera::CameraLibrary& camera, Console& console) {
    const auto table = settingTable(*options.model);
    std::vector<Request> requests;
    std::vector<std::string> refusals;
    bool inputTaken = false;
    for (const std::string& pair : options.operands) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos) {
            refusals.push_back(pair + ": expected NAME=VALUE");
            continue;
        }
        Request request{.name = pair.substr(0, equals), .value = pair.substr(equals + 1)};
        // A secret need not stand in the argument list, which other users can read.
        const Setting* setting = findSetting(table, request.name);
        const bool fromSource = request.value == "-" || request.value.starts_with('@');
        if (setting != nullptr && isSecret(*setting) && fromSource) {
            if (request.value == "-" && std::exchange(inputTaken, true)) {
                refusals.push_back(request.name + ": standard input gives one value only");
            } else if (auto refusal =
                           secretFrom(request.name, request.value, console, request.value)) {
                refusals.push_back(request.name + ": " + *refusal);
            }
        }
        requests.push_back(std::move(request));
    }
    if (refuse(refusals, console)) {
        return kUsageError;
    }
    return changeSettings(requests, options, camera, console);
}

}  // namespace cli
