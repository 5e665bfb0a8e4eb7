#include "recording_lists.h"

#include "english_lists.h"

namespace editions {

using camera::MenuField;

std::vector<RecordingList> recordingLists(const Edition& edition) {
    using enum MenuField;
    const auto& texts = edition.language.recordingLists;
    const auto& masks = texts.capabilities;
    const auto list = [](MenuField field, std::span<const std::string_view> entries,
                         bool builtFromMasks = false) {
        return RecordingList{field, entries, builtFromMasks};
    };
    std::vector<RecordingList> lists{
        list(resolution, masks.resolution, true),
        list(quality, texts.quality),
        list(coding_format, english::kCodingFormat),
        list(split_time, masks.splitTime, true),
        list(loop_record, texts.offOn),
        list(pre_record, texts.offOn),
        list(infrared, texts.infrared),
        list(time_zone, english::kTimeZone),
        list(volume, english::kVolume),
        list(gps, texts.offOn),
        list(rec_warning, texts.offOn),
        list(photo_size, masks.photoSize, true),
        list(cellular_4g, texts.offOn),
        list(wifi_mode, texts.wifi),
        list(post_record, masks.postRecord, true),
        list(auto_record, texts.offOn),
        list(motion_detect, texts.offOn),
        list(live_resolution, english::kLiveResolution),
        list(live_coding_format, english::kCodingFormat),
        list(g_sensor, texts.gSensor),
        list(eis, texts.offOn),
        list(aes_encryption, texts.offOn),
    };
    if (edition.language.ownsVideoStampList) {
        lists.push_back(list(video_stamp, texts.offOn));
    }
    if (edition.language.ownsButtonLists) {
        for (const MenuField field : {power_button, photo_button, record_button}) {
            lists.push_back(list(field, texts.buttons));
        }
    }
    return lists;
}

}  // namespace editions
