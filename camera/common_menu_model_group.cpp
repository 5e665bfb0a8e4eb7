#include "common_menu_model_group.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace camera {
namespace {

// A list as the read at opening leaves it.
struct ListState {
    std::vector<std::string_view> offered;
    int position = -1;
    bool supported = true;
};

}  // namespace

// The bytes no row names (the video stamp, the buttons) go back as read.
CommonMenuModelGroup::CommonMenuModelGroup(CameraLibrary& camera, Session& session,
                                           LastRead& lastRead, const CameraModel& model)
    : recording_(camera, session, lastRead) {
    for (const auto& row : model.catalogue) {
        if (row.group == SettingGroup::recording) {
            lists_.push_back(&row);
        }
    }
}

// Every byte the record exchanges has its row.
const CatalogueRow& CommonMenuModelGroup::rowOf(MenuField field) const {
    return **std::ranges::find_if(
        lists_, [&](const CatalogueRow* row) { return menuField(*row) == field; });
}

bool CommonMenuModelGroup::read(SettingValues& values) {
    const auto changes = recording_.readAtSetUp();
    if (!changes) {
        return false;
    }
    std::map<MenuField, ListState> states;
    for (const CatalogueRow* list : lists_) {
        if (list->entries == EntrySource::fixed) {
            states[menuField(*list)].offered.assign(list->values.begin(), list->values.end());
        }
    }
    for (const auto& change : *changes) {
        ListState& state = states[change.field];
        // A masked list's row names its values by mask bit.
        if (change.maskBits) {
            state.offered = entriesOf(*change.maskBits, rowOf(change.field).values);
        }
        state.supported = state.supported && !change.disable;
        state.position = change.position;
    }
    for (const CatalogueRow* list : lists_) {
        const ListState& state = states[menuField(*list)];
        values[std::string(list->key)] = listValue(state.offered, state.position, state.supported);
    }
    return true;
}

GroupWrite CommonMenuModelGroup::write(const GroupWriteRequest& request) {
    // A byte no change names goes back exactly as read, top bits and all.
    const auto written = recording_.write([&](MenuField field) -> std::optional<int> {
        const auto key = rowOf(field).key;
        return request.changes(key) ? std::optional(request.position(key)) : std::nullopt;
    });
    return settle(recording_, written, request.formatCard);
}

}  // namespace camera
