#include <cstdio>

#include "commands.h"
#include "profile_file.h"
#include "setting_table.h"

namespace cli {
namespace {

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            json += escape;
        } else {
            json += c;
        }
    }
    return json + '"';
}

}  // namespace

int runShow(const Options& options, camera::CameraLibrary& camera, Console& console) {
    CameraSettings settings(camera, *options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    const auto failures = settings.read();
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
    for (const auto& failure : failures) {
        console.errors << "qumat_pro: " << failure << '\n';
    }
    return failures.empty() ? kDone : kCameraFailed;
}

}  // namespace cli
