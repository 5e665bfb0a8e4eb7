#include "stc_menu_group.h"

#include "setting_table.h"

namespace cli {

StcMenuGroup::StcMenuGroup(camera::CameraLibrary& camera, camera::Session& session,
                           const camera::CameraModel& model)
    : menu_(camera, session) {
    for (const auto& row : model.catalogue) {
        if (row.group == camera::SettingGroup::recording) {
            lists_.push_back({.name = settingName(row), .row = &row});
        }
    }
}

bool StcMenuGroup::read(Values& values) {
    const auto changes = menu_.read();
    if (!changes) {
        return false;
    }
    for (const auto& change : *changes) {
        const auto& list = lists_.at(static_cast<std::size_t>(change.list));
        values[list.name] =
            listValue(list.row->values, change.position.value_or(-1), !change.disable);
    }
    return true;
}

GroupWrite StcMenuGroup::write(const WriteRequest& request) {
    const auto written = menu_.write(
        [&](int list) { return request.position(lists_.at(static_cast<std::size_t>(list)).name); });
    return settle(menu_, written, request.formatCard);
}

}  // namespace cli
