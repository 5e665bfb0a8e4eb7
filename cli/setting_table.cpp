#include "setting_table.h"

#include <algorithm>

#include "common_menu_group.h"
#include "identity_group.h"
#include "network_group.h"
#include "stc_menu_group.h"

namespace cli {

std::vector<Setting> settingTable(MenuModel model) {
    const auto& edition = editionFor(model);
    std::vector<Setting> table = IdentityGroup::settings(edition);
    std::ranges::move(NetworkGroup::settings(edition), std::back_inserter(table));
    std::ranges::move(
        model == MenuModel::common ? CommonMenuGroup::settings(edition) : StcMenuGroup::settings(),
        std::back_inserter(table));
    for (const std::string_view name : {kFirmwareName, kCardName}) {
        table.push_back({.name = std::string(name), .group = Group::status, .readOnly = true});
    }
    return table;
}

const Setting* findSetting(const std::vector<Setting>& table, std::string_view name) {
    const auto found = std::ranges::find(table, name, &Setting::name);
    return found == table.end() ? nullptr : &*found;
}

}  // namespace cli
