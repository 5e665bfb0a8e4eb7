#include "setting_table.h"

#include <algorithm>

namespace cli {

std::string settingName(const camera::CatalogueRow& row) {
    return std::string(camera::groupName(row.group)) + "." + std::string(row.key);
}

std::vector<Setting> settingTable(const camera::CameraModel& model) {
    std::vector<Setting> table;
    for (const auto& row : model.catalogue) {
        table.push_back({.name = settingName(row), .row = &row});
    }
    return table;
}

const Setting* findSetting(const std::vector<Setting>& table, std::string_view name) {
    const auto found = std::ranges::find(table, name, &Setting::name);
    return found == table.end() ? nullptr : &*found;
}

}  // namespace cli
