#include "commands.h"
#include "logging_camera_library.h"
#include "password_source.h"
#include "profile_file.h"
#include "setting_table.h"

namespace cli {
namespace {

bool refuse(const std::vector<std::string>& refusals, Console& console) {
    for (const auto& refusal : refusals) {
        // A refusal may repeat the value it refuses, which may hold anything.
        console.errors << "qumat_pro: " << escapedText(refusal) << '\n';
    }
    return !refusals.empty();
}

}  // namespace

std::optional<int> logIn(CameraSettings& settings, const Options& options, Console& console) {
    const auto password = loginPassword(options.passwordFile, console);
    if (!password) {
        return kUsageError;
    }
    if (const auto refusal = settings.logIn(options.userType, *password)) {
        console.errors << "qumat_pro: " << *refusal << '\n';
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
    if (stopsWrite(settings.read(), console.errors)) {
        return kCameraFailed;
    }
    // A dry run lists the change it would refuse.
    const auto checked =
        settings.check(settingChanges(requests, table), options.formatCard || options.dryRun);
    if (refuse(refusalLines(checked.refusals, requests, settings.deviceKind()), console)) {
        return kUsageError;
    }
    if (checked.changed.empty()) {
        console.output << "nothing to change\n";
        return kDone;
    }
    if (options.command == Command::importProfile) {
        for (const camera::CatalogueRow* row : checked.changed) {
            const auto key = std::string(row->key);
            console.output << settingName(*row) << ": "
                           << escapedText(settings.values().at(key).text) << " -> "
                           << escapedText(checked.wanted.at(key).text)
                           << (row->destroysRecordings
                                   ? " (formats the memory card: needs --format-card)"
                                   : "")
                           << '\n';
        }
        if (options.dryRun) {
            return kDone;
        }
    }
    const bool written =
        settings.write(checked.wanted, options.formatCard, console.output, console.errors);
    if (!logged.failure().empty()) {
        console.errors << "qumat_pro: " << escapedText(logged.failure()) << '\n';
    }
    return written && logged.failure().empty() ? kDone : kCameraFailed;
}

int runSet(const Options& options, camera::CameraLibrary& camera, Console& console) {
    std::vector<Request> requests;
    std::vector<std::string> refusals;
    for (const std::string& pair : options.operands) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos) {
            refusals.push_back(pair + ": expected NAME=VALUE");
        } else {
            requests.push_back({.name = pair.substr(0, equals), .value = pair.substr(equals + 1)});
        }
    }
    if (refuse(refusals, console)) {
        return kUsageError;
    }
    return changeSettings(requests, options, camera, console);
}

}  // namespace cli
