#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "setting.h"
#include "setting_value.h"

namespace cli {

// What a secret prints as unless --show-secrets: the same whatever the secret, even empty.
inline constexpr std::string_view kSecretMask = "********";

// The settings `names` ask for, in their order; a group's name stands for its settings where
// `groups` allows it. An empty list asks for every setting. The refusal names each unknown name
// with the closest known ones.
std::variant<std::vector<const Setting*>, std::vector<std::string>> selectSettings(
    const std::vector<Setting>& table, const std::vector<std::string>& names, bool groups);

// "network.sid: no such setting; did you mean network.ssid?"
std::string unknownSetting(const std::vector<Setting>& table, std::string_view name);

// A value as the command line prints it: quoted when it needs quotes, or the mask for a secret.
std::string printedValue(const Setting& setting, const camera::SettingValue& value,
                         bool showSecrets);

bool isSecret(const Setting& setting);

}  // namespace cli
