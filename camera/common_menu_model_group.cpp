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

// The value names of a masked list, by bit, as the list builders take labels.
template <typename Labels>
Labels namesByBit(const CameraModel& model, EntrySource source) {
    Labels names{};
    const auto row = std::ranges::find(model.catalogue, source, &CatalogueRow::entries);
    std::ranges::copy_n(row->values.begin(), static_cast<std::ptrdiff_t>(names.size()),
                        names.begin());
    return names;
}

}  // namespace

// The lists no row names (the video stamp, the buttons) go back as read. The model keeps a
// session of its own, so any edition's slot in it serves.
CommonMenuModelGroup::CommonMenuModelGroup(CameraLibrary& camera, Session& session,
                                           const CameraModel& model)
    : recording_(camera, session, 0, {}),
      valueNames_{
          .resolution = namesByBit<ResolutionLabels>(model, EntrySource::resolutionMask),
          .photoSize = namesByBit<PhotoSizeLabels>(model, EntrySource::photoSizeMask),
          .postRecord = namesByBit<PostRecordLabels>(model, EntrySource::postRecordMask),
          .splitTime = namesByBit<SplitTimeLabels>(model, EntrySource::splitTimeMask),
      } {
    for (const auto& row : model.catalogue) {
        if (row.group == SettingGroup::recording) {
            lists_.push_back(&row);
        }
    }
}

bool CommonMenuModelGroup::read(SettingValues& values) {
    const auto changes = recording_.readAtSetUp(valueNames_);
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
        if (change.entries) {
            state.offered = *change.entries;
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
    // Every byte the record exchanges has its row.
    const auto written = recording_.write([&](MenuField field) {
        const auto list = std::ranges::find_if(
            lists_, [&](const CatalogueRow* list) { return menuField(*list) == field; });
        return request.position((*list)->key);
    });
    return settle(recording_, written, request.formatCard);
}

}  // namespace camera
