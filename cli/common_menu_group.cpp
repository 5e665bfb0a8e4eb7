#include "common_menu_group.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "setting_table.h"

namespace cli {
namespace {

using camera::MenuField;

// A list as the read at opening leaves it.
struct ListState {
    std::vector<std::string_view> offered;
    int position = -1;
    bool supported = true;
};

// The value names of a masked list, by bit, as the list builders take labels.
template <typename Labels>
Labels namesByBit(const camera::CameraModel& model, camera::EntrySource source) {
    Labels names{};
    const auto row = std::ranges::find(model.catalogue, source, &camera::CatalogueRow::entries);
    std::ranges::copy_n(row->values.begin(), static_cast<std::ptrdiff_t>(names.size()),
                        names.begin());
    return names;
}

}  // namespace

// The lists no row names (the video stamp, the buttons) go back as read. The command line keeps a
// session of its own, so any edition's slot in it serves.
CommonMenuGroup::CommonMenuGroup(camera::CameraLibrary& camera, camera::Session& session,
                                 const camera::CameraModel& model)
    : recording_(camera, session, 0, {}),
      valueNames_{
          .resolution =
              namesByBit<camera::ResolutionLabels>(model, camera::EntrySource::resolutionMask),
          .photoSize =
              namesByBit<camera::PhotoSizeLabels>(model, camera::EntrySource::photoSizeMask),
          .postRecord =
              namesByBit<camera::PostRecordLabels>(model, camera::EntrySource::postRecordMask),
          .splitTime =
              namesByBit<camera::SplitTimeLabels>(model, camera::EntrySource::splitTimeMask),
      } {
    for (const auto& row : model.catalogue) {
        if (row.group == camera::SettingGroup::recording) {
            lists_.push_back({.name = settingName(row), .row = &row});
        }
    }
}

bool CommonMenuGroup::read(Values& values) {
    const auto changes = recording_.readAtSetUp(valueNames_);
    if (!changes) {
        return false;
    }
    std::map<MenuField, ListState> states;
    for (const auto& list : lists_) {
        if (list.row->entries == camera::EntrySource::fixed) {
            states[camera::menuField(*list.row)].offered.assign(list.row->values.begin(),
                                                                list.row->values.end());
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
    for (const auto& list : lists_) {
        const ListState& state = states[camera::menuField(*list.row)];
        values[list.name] = listValue(state.offered, state.position, state.supported);
    }
    return true;
}

GroupWrite CommonMenuGroup::write(const WriteRequest& request) {
    // Every byte the record exchanges has its row.
    const auto written = recording_.write([&](MenuField field) {
        const auto list = std::ranges::find_if(
            lists_, [&](const Setting& list) { return camera::menuField(*list.row) == field; });
        return request.position(list->name);
    });
    return settle(recording_, written, request.formatCard);
}

}  // namespace cli
