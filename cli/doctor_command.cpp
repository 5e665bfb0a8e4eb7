#include <algorithm>
#include <filesystem>

#include "commands.h"
#include "json_text.h"
#include "profile_file.h"
#include "workstation_checks.h"

namespace cli {
namespace {

std::vector<Check> checksOfThisComputer(const Options& options, const CameraLoader& loadCamera) {
    std::vector<Check> checks;
    // A camera built into the program, as the tests' is, has no library to look for.
    if (loadCamera) {
        checks.push_back(libraryCheck(loadCamera()));
    }
    for (auto& check : usbChecks(camera::lookAtUsbBuses())) {
        checks.push_back(std::move(check));
    }
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    if (error) {
        checks.push_back({.key = "language_folder",
                          .title = "Language.ini folder",
                          .found = "the current folder cannot be named: " + error.message(),
                          .advice = "start the program in a folder that is there"});
    } else {
        checks.push_back(languageFolderCheck(folder));
    }
    checks.push_back(changeLogCheck());
    checks.push_back(systemLogCheck());
    if (options.ledger) {
        checks.push_back(ledgerCheck(*options.ledger));
    }
    return checks;
}

void printJson(const std::vector<Check>& checks, bool holds, Console& console) {
    console.output << "{\n  \"holds\": " << (holds ? "true" : "false");
    for (const auto& check : checks) {
        console.output << ",\n  " << jsonString(check.key)
                       << ": {\"holds\": " << (check.holds ? "true" : "false")
                       << ", \"found\": " << jsonString(check.found)
                       << ", \"advice\": " << jsonString(check.advice) << '}';
    }
    console.output << "\n}\n";
}

}  // namespace

int runDoctor(const Options& options, Console& console, const CameraLoader& loadCamera) {
    const auto checks = checksOfThisComputer(options, loadCamera);
    const bool holds = std::ranges::all_of(checks, &Check::holds);
    if (options.json) {
        printJson(checks, holds, console);
        return holds ? kDone : kCameraFailed;
    }
    for (const auto& check : checks) {
        if (options.quiet && check.holds) {
            continue;
        }
        // Names and messages of the system's own: printed as a profile would quote them.
        console.output << (check.holds ? "ok      " : "FAILED  ") << check.title << ": "
                       << escapedText(check.found);
        if (!check.advice.empty()) {
            console.output << "; " << check.advice;
        }
        console.output << '\n';
    }
    return holds ? kDone : kCameraFailed;
}

}  // namespace cli
