#include "camera_settings.h"

#include "camera_login.h"
#include "profile_file.h"
#include "setting_table.h"

namespace cli {
namespace {

// "A, B"; empty when none.
std::string joined(const std::vector<std::string_view>& calls) {
    std::string text;
    for (const auto call : calls) {
        text += (text.empty() ? "" : ", ") + std::string(call);
    }
    return text;
}

}  // namespace

bool stopsWrite(const ReadFailures& failures, Console& console) {
    for (const auto& line : failures.lines) {
        console.error() << (failures.statusOnly ? "warning: " : "") << line << '\n';
    }
    return !failures.statusOnly;
}

CameraSettings::CameraSettings(camera::CameraLibrary& camera, const camera::CameraModel& model)
    : camera_(camera), model_(camera, session_, model) {}

std::optional<CallFailure> CameraSettings::logIn(int32_t userType, std::u16string_view password) {
    camera::CameraLogin login(camera_, session_);
    if (!login.connect()) {
        return CallFailure{.line = "no camera answered: Init_Device failed", .call = "Init_Device"};
    }
    // The user type goes to the password calls; the login itself takes 0.
    session_.userType = userType;
    if (!login.logIn(password)) {
        return CallFailure{.line = "the camera refused the password: Qumat_Login failed",
                           .call = "Qumat_Login"};
    }
    if (!login.learnDeviceKind()) {
        return CallFailure{.line = "Qumat_Get4GDevOrNot answered " +
                                   std::to_string(login.deviceAnswer()) +
                                   ", where a camera answers 1, 2 or 3 (device kind 0, 1 or 2)",
                           .call = "Qumat_Get4GDevOrNot"};
    }
    return std::nullopt;
}

ReadFailures CameraSettings::read() {
    ReadFailures failures;
    for (const auto& failure : model_.read()) {
        const std::string what = failure.row != nullptr
                                     ? settingName(*failure.row)
                                     : std::string(camera::groupName(failure.group));
        std::string line = what + " not read: " + joined(failure.failedCalls) + " failed";
        if (const auto* other = failure.answeringModel) {
            line += "; this camera looks like the " + std::string(other->name) +
                    " model: use --model " + std::string(other->name);
        }
        if (failures.lines.empty() && !failure.failedCalls.empty()) {
            failures.firstCall = failure.failedCalls.front();
        }
        failures.lines.push_back(std::move(line));
        failures.statusOnly = failures.statusOnly && failure.group == camera::SettingGroup::status;
    }
    return failures;
}

std::vector<std::string> CameraSettings::write(const camera::SettingValues& wanted, bool formatCard,
                                               bool quiet, Console& console,
                                               const std::function<bool()>& lastCallUnsent) {
    std::vector<std::string> failures;
    const auto outcomes = model_.write(wanted, formatCard);
    // A write stops at its first failure: a call never made fails no camera function.
    const bool unsent = lastCallUnsent();
    for (const auto& outcome : outcomes) {
        const auto group = camera::groupName(outcome.group);
        if (outcome.attempted && outcome.succeeded()) {
            if (!quiet) {
                console.output << group << ": written"
                               << (outcome.cardFormatted ? ", memory card formatted" : "") << '\n';
            }
            continue;
        }
        const std::string failed = unsent ? std::string() : joined(outcome.failedCalls);
        const std::string what = !outcome.attempted ? "not written"
                                 : outcome.written
                                     ? (failed.empty() ? "written, but not all of it was sent"
                                                       : "written, but " + failed + " failed")
                                 : failed.empty() ? "not written"
                                                  : "not written: " + failed + " failed";
        failures.push_back(std::string(group) + ": " + what);
        console.error() << failures.back() << '\n';
    }
    return failures;
}

CameraSettings::ReadBack CameraSettings::readBack(const camera::CheckedChanges& checked,
                                                  bool showSecrets) {
    ReadBack result;
    const auto failures = read();
    // Values not read again say nothing of what the camera holds.
    if (!failures.statusOnly) {
        for (const auto& line : failures.lines) {
            result.lines.push_back(line + " after the write");
        }
        return result;
    }
    for (const camera::CatalogueRow* row : checked.changed) {
        const auto key = std::string(row->key);
        const auto held = values().find(key);
        const std::string& wrote = checked.wanted.at(key).text;
        if (held == values().end() || held->second.text == wrote) {
            continue;
        }
        const std::string name = settingName(*row);
        result.differing.push_back(name);
        if (row->privacy == camera::Privacy::secret && !showSecrets) {
            result.lines.push_back(name +
                                   ": the camera does not hold the value written (a secret: "
                                   "--show-secrets prints it)");
        } else {
            // An empty value shown as nothing would end the line in a blank.
            const auto shown = [](std::string_view value) {
                return value.empty() ? std::string("\"\"") : escapedText(value);
            };
            result.lines.push_back(name + ": wrote " + shown(wrote) + ", camera holds " +
                                   shown(held->second.text));
        }
    }
    return result;
}

}  // namespace cli
