#include "common_menu_group.h"

#include <map>
#include <span>
#include <string_view>

#include "card_format_answer.h"

namespace cli {
namespace {

using camera::MenuField;

struct MenuList {
    MenuField field;
    std::string_view name;
    std::string_view control;
    // Every entry; for the lists the capability masks build, their labels in bit order.
    std::span<const std::string_view> entries;
    bool builtFromMasks = false;
};

// The lists the window exchanges, in record order, with its controls' names.
std::vector<MenuList> menuLists(const editions::RecordingListTexts& texts) {
    namespace english = camera::english;
    using enum MenuField;
    const auto& caps = texts.capabilities;
    return {
        {resolution, "recording.resolution", "resolutionList", caps.resolution, true},
        {quality, "recording.quality", "qualityList", texts.quality},
        {coding_format, "recording.coding_format", "codingFormatList", english::kCodingFormat},
        {split_time, "recording.split_time", "splitTimeList", caps.splitTime, true},
        {loop_record, "recording.loop_record", "loopRecordList", texts.offOn},
        {pre_record, "recording.pre_record", "preRecordList", texts.offOn},
        {infrared, "recording.infrared", "infraredList", texts.infrared},
        {time_zone, "recording.time_zone", "timeZoneList", english::kTimeZone},
        {volume, "recording.volume", "volumeList", english::kVolume},
        {gps, "recording.gps", "gpsList", texts.offOn},
        {rec_warning, "recording.rec_warning", "recWarningList", texts.offOn},
        {photo_size, "recording.photo_size", "photoSizeList", caps.photoSize, true},
        {cellular_4g, "recording.cellular_4g", "cellular4gList", texts.offOn},
        {wifi_mode, "recording.wifi_mode", "wifiList", texts.wifi},
        {post_record, "recording.post_record", "postRecordList", caps.postRecord, true},
        {auto_record, "recording.auto_record", "autoRecordList", texts.offOn},
        {motion_detect, "recording.motion_detect", "motionDetectList", texts.offOn},
        {live_resolution, "recording.live_resolution", "liveResolutionList",
         english::kLiveResolution},
        {live_coding_format, "recording.live_coding_format", "liveCodingFormatList",
         english::kCodingFormat},
        {g_sensor, "recording.g_sensor", "gSensorList", texts.gSensor},
        {eis, "recording.eis", "eisList", texts.offOn},
        {aes_encryption, "recording.aes_encryption", "aesEncryptionList", texts.offOn},
    };
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
    for (const auto& list : menuLists(edition.recordingLists)) {
        settings.push_back({.name = std::string(list.name),
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
    const auto lists = menuLists(edition_.recordingLists);
    std::map<MenuField, ListState> states;
    for (const auto& list : lists) {
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
    for (const auto& list : lists) {
        const ListState& state = states[list.field];
        values[std::string(list.name)] = listValue(state.offered, state.position, state.supported);
    }
    return true;
}

GroupWrite CommonMenuGroup::write(const WriteRequest& request) {
    std::map<MenuField, std::string_view> names;
    for (const auto& list : menuLists(edition_.recordingLists)) {
        names[list.field] = list.name;
    }
    CardFormatAnswer answer(request.formatCard);
    recording_.write([&](MenuField field) { return request.position(names.at(field)); }, answer);
    return {.written = answer.written(), .cardFormatted = answer.cardFormatted()};
}

}  // namespace cli
