#pragma once

#include <string_view>
#include <vector>

#include "catalogue.h"
#include "setting.h"

namespace cli {

// Every setting of the model, in the order show prints them.
std::vector<Setting> settingTable(const camera::CameraModel& model);

const Setting* findSetting(const std::vector<Setting>& table, std::string_view name);

// The name of a row of the model.
std::string settingName(const camera::CatalogueRow& row);

}  // namespace cli
