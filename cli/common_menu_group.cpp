#include "common_menu_group.h"

#include <map>
#include <string_view>

#include "card_format_answer.h"
#include "recording_lists.h"

namespace cli {
namespace {

using camera::MenuField;

// The command line's name for each list the window exchanges, by the byte it stands for; the
// video stamp stays hidden here as in the window.
const std::map<MenuField, std::string_view>& names() {
    using enum MenuField;
    static const std::map<MenuField, std::string_view> byField{
        {resolution, "recording.resolution"},
        {quality, "recording.quality"},
        {coding_format, "recording.coding_format"},
        {split_time, "recording.split_time"},
        {loop_record, "recording.loop_record"},
        {pre_record, "recording.pre_record"},
        {infrared, "recording.infrared"},
        {time_zone, "recording.time_zone"},
        {volume, "recording.volume"},
        {gps, "recording.gps"},
        {rec_warning, "recording.rec_warning"},
        {photo_size, "recording.photo_size"},
        {cellular_4g, "recording.cellular_4g"},
        {wifi_mode, "recording.wifi_mode"},
        {post_record, "recording.post_record"},
        {auto_record, "recording.auto_record"},
        {motion_detect, "recording.motion_detect"},
        {live_resolution, "recording.live_resolution"},
        {live_coding_format, "recording.live_coding_format"},
        {g_sensor, "recording.g_sensor"},
        {eis, "recording.eis"},
        {aes_encryption, "recording.aes_encryption"},
    };
    return byField;
}

struct MenuList {
    std::string_view name;
    editions::RecordingList list;
};

// The window's lists that have a name here, in record order.
std::vector<MenuList> menuLists(const editions::Edition& edition) {
    std::vector<MenuList> lists;
    for (const auto& list : editions::recordingLists(edition)) {
        if (const auto name = names().find(list.field); name != names().end()) {
            lists.push_back({name->second, list});
        }
    }
    return lists;
}

// A list as the read at opening leaves it.
struct ListState {
    std::vector<std::string_view> offered;
    int position = -1;
    bool supported = true;
};

}  // namespace

CommonMenuGroup::CommonMenuGroup(camera::CameraLibrary& camera, camera::Session& session,
                                 const editions::Edition& edition)
    : recording_(camera, session, edition.index,
                 {.videoStamp = edition.ownsVideoStampList, .buttons = edition.ownsButtonLists}),
      edition_(edition) {}

std::vector<Setting> CommonMenuGroup::settings(const editions::Edition& edition) {
    std::vector<Setting> settings;
    for (const auto& [name, list] : menuLists(edition)) {
        settings.push_back({.name = std::string(name),
                            .group = Group::recording,
                            .entries = {list.entries.begin(), list.entries.end()},
                            .control = std::string(list.control),
                            .destroysRecordings = list.field == MenuField::aes_encryption});
    }
    return settings;
}

bool CommonMenuGroup::read(Values& values) {
    const auto changes = recording_.readAtSetUp(edition_.recordingLists.capabilities);
    if (!changes) {
        return false;
    }
    const auto lists = menuLists(edition_);
    std::map<MenuField, ListState> states;
    for (const auto& [name, list] : lists) {
        if (!list.builtFromMasks) {
            states[list.field].offered.assign(list.entries.begin(), list.entries.end());
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
    for (const auto& [name, list] : lists) {
        const ListState& state = states[list.field];
        values[std::string(name)] = listValue(state.offered, state.position, state.supported);
    }
    return true;
}

GroupWrite CommonMenuGroup::write(const WriteRequest& request) {
    CardFormatAnswer answer(request.formatCard);
    recording_.write([&](MenuField field) { return request.position(names().at(field)); }, answer);
    return {.written = answer.written(), .cardFormatted = answer.cardFormatted()};
}

}  // namespace cli
