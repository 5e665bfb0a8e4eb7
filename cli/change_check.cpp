#include "change_check.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string_view>

#include "code_page.h"
#include "identity_group.h"
#include "setting_table.h"
#include "settings_layout.h"
#include "utf8.h"

namespace cli {
namespace {

// Fields the camera takes as many bytes of as the text has characters.
constexpr std::array<std::string_view, 4> kBytePerCharacter{"deviceIdEdit", "serialNumberEdit",
                                                            "apnUserEdit", "apnPasswordEdit"};

bool sameIgnoringCase(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string joined(const std::vector<std::string_view>& entries) {
    std::string text;
    for (const auto entry : entries) {
        text += (text.empty() ? "" : ", ") + std::string(entry);
    }
    return text;
}

// The offered entry the value names: exactly, or else regardless of case when that is unique.
std::optional<std::size_t> entryNamed(const std::vector<std::string_view>& offered,
                                      std::string_view value) {
    if (const auto exact = std::ranges::find(offered, value); exact != offered.end()) {
        return static_cast<std::size_t>(exact - offered.begin());
    }
    const auto matches = [&](std::string_view entry) { return sameIgnoringCase(entry, value); };
    const auto found = std::ranges::find_if(offered, matches);
    if (found == offered.end() || std::count_if(offered.begin(), offered.end(), matches) > 1) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - offered.begin());
}

// The refusal for a list value, or nothing with `wanted` set to the entry.
std::optional<std::string> checkListValue(const Setting& setting, const std::string& value,
                                          SettingValue& wanted) {
    if (const auto position = entryNamed(wanted.offered, value)) {
        wanted.text = std::string(wanted.offered[*position]);
        wanted.position = static_cast<int>(*position);
        return std::nullopt;
    }
    if (wanted.offered.empty()) {
        return "the camera does not offer this setting";
    }
    const std::string offered = joined(wanted.offered);
    if (std::ranges::find(setting.entries, value) != setting.entries.end()) {
        return "this camera does not offer '" + value + "'; it offers " + offered;
    }
    return "'" + value + "' is not one of " + offered;
}

std::optional<std::string> checkText(const Setting& setting, const std::u16string& text,
                                     const CheckContext& context) {
    const bool deviceId = setting.name == kDeviceIdName;
    const auto limit = static_cast<std::size_t>(
        editions::typingLimit(context.edition, setting.control, context.deviceKind));
    if (text.size() > limit) {
        return "has " + std::to_string(text.size()) + " characters, more than " +
               std::to_string(limit);
    }
    const auto currentLength = platform::fromUtf8(context.current.at(setting.name).text)->size();
    if (deviceId && text.size() != currentLength) {
        return "must have " + std::to_string(currentLength) +
               " characters, the length of the camera's device ID";
    }
    // The camera keeps the text in the code page, cut at its field's bytes: a character the code
    // page lacks would become '?', one cut at the field's end half a character.
    const auto codePage = platform::ansiCodePage();
    const auto number = std::to_string(static_cast<int>(codePage));
    const auto bytes = platform::encodeAnsiExactly(text, codePage);
    if (!bytes) {
        return "has characters that code page " + number + " lacks";
    }
    const bool bytePerCharacter =
        std::ranges::find(kBytePerCharacter, setting.control) != kBytePerCharacter.end();
    if (bytes->size() > (bytePerCharacter ? text.size() : limit)) {
        return "takes " + std::to_string(bytes->size()) + " bytes in code page " + number +
               ", more than its field holds";
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> checkNames(const std::vector<Request>& requests,
                                    const std::vector<Setting>& table) {
    std::vector<std::string> refusals;
    std::set<std::string_view> seen;
    for (const auto& request : requests) {
        const Setting* setting = findSetting(table, request.name);
        if (setting == nullptr) {
            refusals.push_back(request.name + ": no such setting");
        } else if (setting->readOnly) {
            refusals.push_back(request.name + ": read only");
        } else if (!seen.insert(request.name).second) {
            refusals.push_back(request.name + ": given twice");
        }
    }
    return refusals;
}

CheckedChanges checkValues(const std::vector<Request>& requests, const CheckContext& context) {
    CheckedChanges result{.wanted = context.current, .changed = {}, .refusals = {}};
    const auto disabled = editions::disabledByDeviceKind(context.edition, context.deviceKind);
    for (const auto& request : requests) {
        const Setting& setting = *findSetting(context.table, request.name);
        SettingValue& wanted = result.wanted.at(request.name);
        if (request.value == wanted.text) {
            continue;
        }
        const auto text = platform::fromUtf8(request.value);
        std::optional<std::string> refusal;
        if (!text) {
            refusal = "the value is not UTF-8 text";
        } else if (std::ranges::find(disabled, setting.control) != disabled.end()) {
            refusal = "cannot be changed on this camera (device kind " +
                      std::to_string(context.deviceKind) + ")";
        } else if (setting.isList()) {
            refusal = checkListValue(setting, request.value, wanted);
        } else {
            refusal = checkText(setting, *text, context);
            wanted.text = request.value;
        }
        const bool changes = wanted.text != context.current.at(request.name).text;
        if (!refusal && changes && setting.destroysRecordings && !context.formatCard) {
            refusal =
                "changing it formats the memory card, which destroys the recordings on "
                "it; add --format-card to go ahead";
        }
        if (refusal) {
            result.refusals.push_back(request.name + ": " + *refusal);
        }
    }
    for (const auto& setting : context.table) {
        if (result.wanted.at(setting.name).text != context.current.at(setting.name).text) {
            result.changed.push_back(setting.name);
        }
    }
    return result;
}

}  // namespace cli
