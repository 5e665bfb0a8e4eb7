#include "change_check.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <span>
#include <string_view>

#include "code_page.h"
#include "setting_table.h"
#include "utf8.h"

namespace cli {
namespace {

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

// The position in `names` of the one `value` names: exactly, or else regardless of case when
// that is unique.
std::optional<std::size_t> nameMatching(std::span<const std::string_view> names,
                                        std::string_view value) {
    if (const auto exact = std::ranges::find(names, value); exact != names.end()) {
        return static_cast<std::size_t>(exact - names.begin());
    }
    const auto matches = [&](std::string_view name) { return sameIgnoringCase(name, value); };
    const auto found = std::ranges::find_if(names, matches);
    if (found == names.end() || std::count_if(names.begin(), names.end(), matches) > 1) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

// The value name `value` stands for: a value name, or the model's window label of one.
std::optional<std::string_view> valueNamed(const camera::CatalogueRow& row,
                                           std::string_view value) {
    if (const auto position = nameMatching(row.values, value)) {
        return row.values[*position];
    }
    if (const auto position = nameMatching(row.labels, value)) {
        return row.values[*position];
    }
    return std::nullopt;
}

// The refusal for a list value, or nothing with `wanted` set to the entry.
std::optional<std::string> checkListValue(const Setting& setting, const std::string& value,
                                          SettingValue& wanted) {
    const auto name = valueNamed(*setting.row, value);
    const auto offered = name ? std::ranges::find(wanted.offered, *name) : wanted.offered.end();
    if (offered != wanted.offered.end()) {
        wanted.text = std::string(*offered);
        wanted.position = static_cast<int>(offered - wanted.offered.begin());
        return std::nullopt;
    }
    if (wanted.offered.empty()) {
        return "the camera does not offer this setting";
    }
    const std::string names = joined(wanted.offered);
    if (name) {
        return "this camera does not offer '" + value + "'; it offers " + names;
    }
    return "'" + value + "' is not one of " + names;
}

std::optional<std::string> checkText(const Setting& setting, const std::u16string& text,
                                     const CheckContext& context) {
    const bool deviceId = setting.name == kDeviceIdName;
    const auto limit = static_cast<std::size_t>(setting.row->limitFor(context.deviceKind));
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
    if (bytes->size() > (setting.row->bytePerCharacter ? text.size() : limit)) {
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
        } else if (setting->readOnly()) {
            refusals.push_back(request.name + ": read only");
        } else if (!seen.insert(request.name).second) {
            refusals.push_back(request.name + ": given twice");
        }
    }
    return refusals;
}

CheckedChanges checkValues(const std::vector<Request>& requests, const CheckContext& context) {
    CheckedChanges result{.wanted = context.current, .changed = {}, .refusals = {}};
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
        } else if (setting.row->disabledFor(context.deviceKind)) {
            refusal = "cannot be changed on this camera (device kind " +
                      std::to_string(context.deviceKind) + ")";
        } else if (setting.isList()) {
            refusal = checkListValue(setting, request.value, wanted);
        } else {
            refusal = checkText(setting, *text, context);
            wanted.text = request.value;
        }
        const bool changes = wanted.text != context.current.at(request.name).text;
        if (!refusal && changes && setting.row->destroysRecordings && !context.formatCard) {
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
