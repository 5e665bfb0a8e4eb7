#include "commands.h"
#include "json_text.h"
#include "profile_file.h"
#include "setting_table.h"

namespace cli {
namespace {

// A partial document would pass for the camera's settings: the first failure stands instead.
int failAsJson(const ReadFailures& failures, Console& console) {
    console.output << "{\"error\": " << jsonString(failures.lines.front())
                   << ", \"call\": " << jsonString(failures.firstCall) << "}\n";
    for (const auto& line : failures.lines) {
        console.errors << "qumat_pro: " << line << '\n';
    }
    return kCameraFailed;
}

}  // namespace

int runShow(const Options& options, camera::CameraLibrary& camera, Console& console) {
    CameraSettings settings(camera, *options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    const auto failures = settings.read();
    if (options.json && !failures.empty()) {
        return failAsJson(failures, console);
    }
    const char* separator = "{\n";
    for (const auto& setting : settingTable(*options.model)) {
        const auto value = settings.values().find(setting.key());
        if (value == settings.values().end()) {
            continue;
        }
        if (options.json) {
            console.output << separator << "  " << jsonString(setting.name) << ": "
                           << jsonString(value->second.text);
            separator = ",\n";
        } else {
            // Quoted as a profile takes it: a camera text must not forge a line or drive the
            // terminal.
            console.output << setting.name << " = " << escapedText(value->second.text) << '\n';
        }
    }
    if (options.json) {
        console.output << (*separator == '{' ? "{}\n" : "\n}\n");
    }
    for (const auto& failure : failures.lines) {
        console.errors << "qumat_pro: " << failure << '\n';
    }
    return failures.empty() ? kDone : kCameraFailed;
}

}  // namespace cli
