#include <algorithm>
#include <optional>

#include "commands.h"
#include "json_text.h"
#include "profile_file.h"
#include "setting_selection.h"
#include "setting_table.h"

namespace cli {
namespace {

// A partial document would pass for the camera's settings: the first failure stands instead.
int failAsJson(const ReadFailures& failures, Console& console) {
    console.output << jsonError(failures.lines.front(), failures.firstCall);
    for (const auto& line : failures.lines) {
        console.error() << line << '\n';
    }
    return kCameraFailed;
}

// One object of groups, each an object of its settings by key: ".network.ssid" in jq.
void printJson(const std::vector<const Setting*>& selected, const camera::SettingValues& values,
               const Options& options, int deviceKind, Console& console) {
    console.output << "{\n  \"model\": " << jsonString(options.model->name)
                   << ",\n  \"device_kind\": " << deviceKind;
    std::optional<camera::SettingGroup> group;
    for (const Setting* setting : selected) {
        const auto value = values.find(setting->key());
        if (value == values.end()) {
            continue;
        }
        if (group != setting->group()) {
            console.output << (group ? "\n  }" : "") << ",\n  "
                           << jsonString(camera::groupName(setting->group())) << ": {\n";
            group = setting->group();
        } else {
            console.output << ",\n";
        }
        const bool masked = isSecret(*setting) && !options.showSecrets;
        console.output << "    " << jsonString(setting->key()) << ": "
                       << jsonString(masked ? kSecretMask : value->second.text);
    }
    console.output << (group ? "\n  }" : "") << "\n}\n";
}

}  // namespace

int runShow(const Options& options, camera::CameraLibrary& camera, Console& console) {
    const auto table = settingTable(*options.model);
    // A group's settings stay together, in the listing's order, however they were asked for.
    auto selection = selectSettings(table, options.operands, true);
    if (const auto* refusals = std::get_if<std::vector<std::string>>(&selection)) {
        if (options.json) {
            console.output << jsonError(refusals->front(), std::nullopt);
        }
        for (const auto& refusal : *refusals) {
            console.error() << escapedText(refusal) << '\n';
        }
        return kUsageError;
    }
    auto& selected = std::get<std::vector<const Setting*>>(selection);
    std::ranges::sort(selected);
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    CameraSettings settings(camera, *options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    const auto failures = settings.read();
    // A read that failed only for settings not asked for leaves a whole answer.
    const bool whole = std::ranges::all_of(selected, [&](const Setting* setting) {
        return settings.values().contains(setting->key());
    });
    if (options.json && !whole) {
        return failAsJson(failures, console);
    }
    if (options.json) {
        printJson(selected, settings.values(), options, settings.deviceKind(), console);
    } else {
        for (const Setting* setting : selected) {
            const auto value = settings.values().find(setting->key());
            if (value != settings.values().end()) {
                // Quoted as a profile takes it: a camera text must not forge a line or drive the
                // terminal.
                console.output << setting->name << " = "
                               << printedValue(*setting, value->second, options.showSecrets)
                               << '\n';
            }
        }
    }
    if (whole) {
        return kDone;
    }
    for (const auto& failure : failures.lines) {
        console.error() << failure << '\n';
    }
    return kCameraFailed;
}

}  // namespace cli
