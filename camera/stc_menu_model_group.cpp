#include "stc_menu_model_group.h"

namespace camera {

StcMenuModelGroup::StcMenuModelGroup(CameraLibrary& camera, Session& session,
                                     const CameraModel& model)
    : menu_(camera, session) {
    for (const auto& row : model.catalogue) {
        if (row.group == SettingGroup::recording) {
            lists_.at(static_cast<std::size_t>(row.slot)) = &row;
        }
    }
}

bool StcMenuModelGroup::read(SettingValues& values) {
    const auto changes = menu_.read();
    if (!changes) {
        return false;
    }
    for (const auto& change : *changes) {
        const CatalogueRow& list = *lists_.at(static_cast<std::size_t>(change.list));
        values[std::string(list.key)] =
            listValue(list.values, change.position.value_or(-1), !change.disable);
    }
    return true;
}

GroupWrite StcMenuModelGroup::write(const GroupWriteRequest& request) {
    const auto written = menu_.write(
        [&](int list) { return request.position(lists_.at(static_cast<std::size_t>(list))->key); });
    return settle(menu_, written, request.formatCard);
}

}  // namespace camera
