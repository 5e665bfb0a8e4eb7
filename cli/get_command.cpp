#include "commands.h"
#include "profile_file.h"
#include "setting_selection.h"
#include "setting_table.h"

namespace cli {

int runGet(const Options& options, camera::CameraLibrary& camera, Console& console) {
    const auto table = settingTable(*options.model);
    const auto selection = selectSettings(table, options.operands, false);
    if (const auto* refusals = std::get_if<std::vector<std::string>>(&selection)) {
        for (const auto& refusal : *refusals) {
            console.error() << escapedText(refusal) << '\n';
        }
        return kUsageError;
    }
    CameraSettings settings(camera, *options.model);
    if (const auto status = logIn(settings, options, console)) {
        return *status;
    }
    const auto failures = settings.read();
    // All or nothing: a script reading values by their line must not take one for another.
    std::string lines;
    for (const Setting* setting : std::get<std::vector<const Setting*>>(selection)) {
        const auto value = settings.values().find(setting->key());
        if (value == settings.values().end()) {
            for (const auto& failure : failures.lines) {
                console.error() << failure << '\n';
            }
            return kCameraFailed;
        }
        lines += printedValue(*setting, value->second, options.showSecrets) + '\n';
    }
    console.output << lines;
    return kDone;
}

}  // namespace cli
