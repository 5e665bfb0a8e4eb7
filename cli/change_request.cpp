#include "change_request.h"

#include <set>
#include <string_view>

#include "setting_selection.h"
#include "setting_table.h"

namespace cli {
namespace {

std::string joined(const std::vector<std::string_view>& entries) {
    std::string text;
    for (const auto entry : entries) {
        text += (text.empty() ? "" : ", ") + std::string(entry);
    }
    return text;
}

std::string why(const camera::Refusal& refusal, const std::string& value, int deviceKind) {
    using enum camera::RefusalReason;
    const auto number = [](auto n) { return std::to_string(n); };
    switch (refusal.reason) {
        case notUtf8:
            return "the value is not UTF-8 text";
        case controlCharacter:
            return camera::controlCharacterRefusal(refusal.character);
        case disabledForDeviceKind:
            return "cannot be changed on this camera (device kind " + number(deviceKind) + ")";
        case settingNotOffered:
            return "the camera does not offer this setting";
        case valueNotOffered:
            return "this camera does not offer '" + value + "'; it offers " +
                   joined(refusal.offered);
        case unknownValue:
            return "'" + value + "' is not one of " + joined(refusal.offered);
        case tooManyCharacters:
            return "has " + number(refusal.size) + " characters, more than " +
                   number(refusal.limit);
        case wrongDeviceIdLength:
            return "must have " + number(refusal.limit) +
                   " characters, the length of the camera's device ID";
        case codePageLacksCharacters:
            return "has characters that code page " + number(refusal.codePage) + " lacks";
        case tooManyBytes:
            return "takes " + number(refusal.size) + " bytes in code page " +
                   number(refusal.codePage) + ", more than its field holds";
        case formatsMemoryCard:
            return "changing it formats the memory card, which destroys the recordings on it; add "
                   "--format-card to go ahead";
        case unsoundTextInGroup:
            return "its group goes back whole, and the camera's last read of " +
                   settingName(*refusal.unsound) +
                   " ran on to its field's end without its terminator; give " +
                   settingName(*refusal.unsound) + " a value too";
    }
    return {};
}

}  // namespace

std::vector<std::string> checkNames(const std::vector<Request>& requests,
                                    const std::vector<Setting>& table) {
    std::vector<std::string> refusals;
    std::set<std::string_view> seen;
    for (const auto& request : requests) {
        const Setting* setting = findSetting(table, request.name);
        if (setting == nullptr) {
            refusals.push_back(unknownSetting(table, request.name));
        } else if (setting->readOnly()) {
            refusals.push_back(request.name + ": read only");
        } else if (!seen.insert(request.name).second) {
            refusals.push_back(request.name + ": given twice");
        }
    }
    return refusals;
}

std::vector<camera::SettingChange> settingChanges(const std::vector<Request>& requests,
                                                  const std::vector<Setting>& table) {
    std::vector<camera::SettingChange> changes;
    for (const auto& request : requests) {
        changes.push_back({.row = findSetting(table, request.name)->row, .value = request.value});
    }
    return changes;
}

std::vector<std::string> refusalLines(const std::vector<camera::Refusal>& refusals,
                                      const std::vector<Request>& requests, int deviceKind) {
    std::vector<std::string> lines;
    for (const auto& refusal : refusals) {
        const Request& request = requests[refusal.change];
        lines.push_back(request.name + ": " + why(refusal, request.value, deviceKind));
    }
    return lines;
}

}  // namespace cli
