#include "setting_selection.h"

#include <algorithm>
#include <string>
#include <vector>

#include "profile_file.h"
#include "setting_table.h"

namespace cli {
namespace {

// Letters added, dropped, replaced or swapped with their neighbour ("gsp" for "gps") count one
// slip each.
std::size_t editDistance(std::string_view from, std::string_view to) {
    std::vector<std::vector<std::size_t>> distance(from.size() + 1,
                                                   std::vector<std::size_t>(to.size() + 1));
    for (std::size_t i = 0; i <= from.size(); ++i) {
        distance[i][0] = i;
    }
    for (std::size_t j = 0; j <= to.size(); ++j) {
        distance[0][j] = j;
    }
    for (std::size_t i = 1; i <= from.size(); ++i) {
        for (std::size_t j = 1; j <= to.size(); ++j) {
            distance[i][j] =
                std::min({distance[i - 1][j] + 1, distance[i][j - 1] + 1,
                          distance[i - 1][j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1]) {
                distance[i][j] = std::min(distance[i][j], distance[i - 2][j - 2] + 1);
            }
        }
    }
    return distance[from.size()][to.size()];
}

// Names are lower case: "NETWORK.SSID" is a slip of the shift key.
std::string lowerCase(std::string_view name) {
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return lower;
}

// Whether `name` may be a slip for the setting: a letter or two off its key, within its group
// or without one ("ssid"), or a part of its key ("officer").
bool isClose(std::string_view typed, const Setting& setting) {
    const std::string lower = lowerCase(typed);
    const std::string_view name = lower;
    const auto dot = name.find('.');
    if (dot != std::string_view::npos &&
        name.substr(0, dot) != camera::groupName(setting.group())) {
        return false;
    }
    const std::string_view key = dot == std::string_view::npos ? name : name.substr(dot + 1);
    const std::size_t slips = std::max<std::size_t>(1, key.size() / 4);
    return editDistance(key, setting.key()) <= slips ||
           (key.size() >= 3 && setting.key().find(key) != std::string_view::npos);
}

}  // namespace

bool isSecret(const Setting& setting) {
    return setting.row->privacy == camera::Privacy::secret;
}

std::string unknownSetting(const std::vector<Setting>& table, std::string_view name) {
    std::string text = std::string(name) + ": no such setting";
    std::size_t suggested = 0;
    for (const auto& setting : table) {
        if (suggested < 3 && isClose(name, setting)) {
            text += (suggested++ == 0 ? "; did you mean " : " or ") + setting.name;
        }
    }
    return suggested == 0 ? text : text + "?";
}

std::variant<std::vector<const Setting*>, std::vector<std::string>> selectSettings(
    const std::vector<Setting>& table, const std::vector<std::string>& names, bool groups) {
    std::vector<const Setting*> selected;
    std::vector<std::string> refusals;
    if (names.empty()) {
        for (const auto& setting : table) {
            selected.push_back(&setting);
        }
    }
    for (const auto& name : names) {
        const std::size_t before = selected.size();
        for (const auto& setting : table) {
            if (setting.name == name || (groups && camera::groupName(setting.group()) == name)) {
                selected.push_back(&setting);
            }
        }
        if (selected.size() == before) {
            refusals.push_back(unknownSetting(table, name));
        }
    }
    if (!refusals.empty()) {
        return refusals;
    }
    return selected;
}

std::string printedValue(const Setting& setting, const camera::SettingValue& value,
                         bool showSecrets) {
    return isSecret(setting) && !showSecrets ? std::string(kSecretMask) : escapedText(value.text);
}

}  // namespace cli
