#include "recording_panel.h"

namespace settings {
namespace {

using camera::MenuField;

// The list of each value byte, by record order; bytes without a list have none.
constexpr std::string_view kListNames[camera::MenuRecord::kSize] = {"resolutionList",
                                                                    "qualityList",
                                                                    "codingFormatList",
                                                                    "splitTimeList",
                                                                    "loopRecordList",
                                                                    "preRecordList",
                                                                    "infraredList",
                                                                    "timeZoneList",
                                                                    "volumeList",
                                                                    "gpsList",
                                                                    "recWarningList",
                                                                    "photoSizeList",
                                                                    "cellular4gList",
                                                                    "wifiList",
                                                                    "postRecordList",
                                                                    "autoRecordList",
                                                                    "motionDetectList",
                                                                    "liveResolutionList",
                                                                    "liveCodingFormatList",
                                                                    "gSensorList",
                                                                    "eisList",
                                                                    {},
                                                                    {},
                                                                    {},
                                                                    {},
                                                                    {},
                                                                    {},
                                                                    "aesEncryptionList",
                                                                    "videoStampList",
                                                                    "powerButtonList",
                                                                    "photoButtonList",
                                                                    "recordButtonList"};

}  // namespace

RecordingPanel::RecordingPanel(QDialog& window, const Controls& controls,
                               const editions::Edition& edition, app::Context& context)
    : MenuPanel(window, controls, edition, context),
      recording_(context.camera, context.session, edition.index,
                 {.videoStamp = edition.ownsVideoStampList, .buttons = edition.ownsButtonLists}) {
    onClicked("menuGetButton", &RecordingPanel::get);
    onClicked("menuSetButton", &RecordingPanel::set);
}

QComboBox* RecordingPanel::wifiList() const {
    return listFor(MenuField::wifi_mode);
}

QComboBox* RecordingPanel::listFor(MenuField field) const {
    return list(kListNames[static_cast<std::size_t>(field)]);
}

void RecordingPanel::fillFixedLists() {
    namespace english = camera::english;
    const auto& texts = edition_.recordingLists;
    using enum MenuField;
    const std::pair<MenuField, std::span<const std::string_view>> lists[] = {
        {quality, texts.quality},
        {coding_format, english::kCodingFormat},
        {loop_record, texts.offOn},
        {pre_record, texts.offOn},
        {motion_detect, texts.offOn},
        {auto_record, texts.offOn},
        {infrared, texts.infrared},
        {gps, texts.offOn},
        {rec_warning, texts.offOn},
        {cellular_4g, texts.offOn},
        {wifi_mode, texts.wifi},
        {time_zone, english::kTimeZone},
        {volume, english::kVolume},
        {live_resolution, english::kLiveResolution},
        {live_coding_format, english::kCodingFormat},
        {g_sensor, texts.gSensor},
        {eis, texts.offOn},
        {aes_encryption, texts.offOn},
    };
    for (const auto& [field, entries] : lists) {
        fillList(listFor(field), entries);
    }
    if (edition_.ownsVideoStampList) {
        fillList(listFor(video_stamp), texts.offOn);
    }
    if (edition_.ownsButtonLists) {
        for (const MenuField field : {power_button, record_button, photo_button}) {
            fillList(listFor(field), texts.buttons);
        }
    }
}

void RecordingPanel::readAtSetUp() {
    if (const auto changes = recording_.readAtSetUp(edition_.recordingLists.capabilities)) {
        apply(*changes);
    }
}

void RecordingPanel::apply(const std::vector<camera::ListChange>& changes) {
    for (const auto& change : changes) {
        QComboBox* list = listFor(change.field);
        if (change.entries) {
            fillList(list, *change.entries);
        }
        if (change.disable) {
            list->setEnabled(false);
        }
        list->setCurrentIndex(change.position);
    }
}

void RecordingPanel::get() {
    const auto changes = recording_.read();
    if (changes) {
        apply(*changes);
    }
    report(changes.has_value());
}

void RecordingPanel::set() {
    recording_.write([this](MenuField field) { return listFor(field)->currentIndex(); }, *this);
}

QComboBox* RecordingPanel::encryptionList() const {
    return listFor(MenuField::aes_encryption);
}

}  // namespace settings
