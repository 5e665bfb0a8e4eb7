#pragma once

#include <string_view>
#include <vector>

#include "menu_model.h"
#include "setting.h"

namespace cli {

inline constexpr std::string_view kFirmwareName = "status.firmware";
inline constexpr std::string_view kCardName = "status.card";

// Every setting of the model, in the order show prints them.
std::vector<Setting> settingTable(MenuModel model);

const Setting* findSetting(const std::vector<Setting>& table, std::string_view name);

}  // namespace cli
