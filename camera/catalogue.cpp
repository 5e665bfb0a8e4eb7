#include "catalogue.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

#include "serial_number_settings.h"
#include "setting_keys.h"
#include "stc_menu.h"

namespace camera {
namespace {

template <std::size_t N>
using Names = std::array<std::string_view, N>;

constexpr Names<2> kOffOn{"off", "on"};
constexpr Names<2> kCodec{"h264", "h265"};
constexpr Names<25> kTimeZone{"utc-12", "utc-11", "utc-10", "utc-9", "utc-8", "utc-7", "utc-6",
                              "utc-5",  "utc-4",  "utc-3",  "utc-2", "utc-1", "utc",   "utc+1",
                              "utc+2",  "utc+3",  "utc+4",  "utc+5", "utc+6", "utc+7", "utc+8",
                              "utc+9",  "utc+10", "utc+11", "utc+12"};
constexpr Names<3> kWifiMode{"off", "sta", "ap"};
constexpr Names<4> kLiveResolution{"1280x720-30p", "1280x720-15p", "848x480-30p", "848x480-15p"};
constexpr Names<7> kSplitTime{"1min", "3min", "5min", "10min", "15min", "30min", "45min"};

// The common model's lists.
constexpr Names<11> kResolution{"2688x1512-30p", "2560x1440-30p", "2304x1296-30p", "1920x1080-60p",
                                "1920x1080-30p", "1440x1080-30p", "1280x720-60p",  "1280x720-30p",
                                "848x480-60p",   "848x480-30p",   "720x480-30p"};
constexpr Names<16> kPhotoSize{"5m",  "8m",  "10m", "12m", "16m", "20m", "21m", "23m",
                               "25m", "28m", "30m", "32m", "36m", "40m", "50m", "64m"};
constexpr Names<6> kPostRecord{"off", "5s", "1min", "10min", "20min", "35min"};
constexpr Names<3> kQuality{"super-fine", "fine", "normal"};
constexpr Names<2> kInfrared{"manual", "auto"};
constexpr Names<5> kVolume{"0", "3", "6", "9", "12"};
constexpr Names<4> kGSensor{"off", "high", "middle", "low"};

// Aliases: the common model's window labels as old profiles hold them.
constexpr Names<11> kResolutionAliases{"2688x1512 30P", "2560x1440 30P", "2304x1296 30P",
                                       "1920x1080 60P", "1920x1080 30P", "1440x1080 30P",
                                       "1280x720 60P",  "1280x720 30P",  "848x480 60P",
                                       "848x480 30P",   "720x480 30P"};
constexpr Names<16> kPhotoSizeAliases{"5M",  "8M",  "10M", "12M", "16M", "20M", "21M", "23M",
                                      "25M", "28M", "30M", "32M", "36M", "40M", "50M", "64M"};
constexpr Names<6> kPostRecordAliases{"OFF", "5 Sec", "1 Min", "10 Mins", "20 Mins", "35 Mins"};
constexpr Names<7> kSplitTimeAliases{"1 Min",   "3 Mins",  "5 Mins", "10 Mins",
                                     "15 Mins", "30 Mins", "45 Mins"};
constexpr Names<3> kQualityAliases{"S.Fine", "Fine", "Normal"};
constexpr Names<2> kCodecAliases{"H.264", "H.265"};
constexpr Names<2> kOffOnAliases{"OFF", "ON"};
constexpr Names<2> kInfraredAliases{"Manual", "Auto"};
constexpr Names<25> kTimeZoneAliases{
    "- 12", "- 11", "- 10", "- 9", "- 8", "- 7", "- 6", "- 5", "- 4", "- 3",  "- 2",  "- 1", "0",
    "+ 1",  "+ 2",  "+ 3",  "+ 4", "+ 5", "+ 6", "+ 7", "+ 8", "+ 9", "+ 10", "+ 11", "+ 12"};
constexpr Names<5> kVolumeAliases{"0", "3", "6", "9", "12"};
constexpr Names<3> kWifiModeAliases{"OFF", "STA ON", "AP ON"};
constexpr Names<4> kLiveResolutionAliases{"1280X720 30P", "1280X720 15P", "848x480 30P",
                                          "848x480 15P"};
constexpr Names<4> kGSensorAliases{"OFF", "Sensitivity High", "Sensitivity Middle",
                                   "Sensitivity Low"};

// The other model's lists.
constexpr Names<6> kFrontResolution{"2688x1512", "2560x1440", "2304x1296",
                                    "1920x1080", "1280x720",  "864x480"};
constexpr Names<2> kFrontFrameRate{"30fps", "15fps"};
constexpr Names<2> kExternalResolution{"720p", "480p"};
constexpr Names<4> kNoticeKind{"off", "audio", "chime", "vibration"};
constexpr Names<4> kNoticeInterval{"1min", "2min", "5min", "10min"};
constexpr Names<3> kStcInfrared{"off", "manual", "auto"};
constexpr Names<3> kRecordingCamera{"front", "external", "both"};
constexpr Names<5> kStcQuality{"super-fine", "fine", "normal", "low", "super-low"};

constexpr int kNetworkApnText = -1;

constexpr CatalogueRow text(std::string_view key, SettingGroup group, int limit, int slot = 0,
                            unsigned disabled = 0, Privacy privacy = Privacy::ordinary,
                            bool bytePerCharacter = false) {
    return {.key = key,
            .group = group,
            .kind = SettingKind::text,
            .slot = slot,
            .typingLimit = limit,
            .disabledByKinds = disabled,
            .privacy = privacy,
            .bytePerCharacter = bytePerCharacter};
}

constexpr CatalogueRow network(std::string_view key, int limit, int slot, unsigned disabled,
                               Privacy privacy = Privacy::ordinary, bool bytePerCharacter = false) {
    return text(key, SettingGroup::network, limit, slot, disabled, privacy, bytePerCharacter);
}

constexpr int at(NetworkText text) {
    return static_cast<int>(text);
}

// Both models keep the same network settings: 4G and the server go with device kind 1, Wi-Fi
// too with kind 2.
void addNetworkRows(std::vector<CatalogueRow>& rows) {
    rows.insert(
        rows.end(),
        {
            network(keys::kSsid, 16, at(NetworkText::ssid), kKindTwo),
            network(keys::kWifiPassword, 16, at(NetworkText::wifi_password), kKindTwo,
                    Privacy::secret),
            network(keys::kApn, 32, at(NetworkText::apn), kKindOneAndTwo),
            network(keys::kPin, 8, at(NetworkText::pin_4g), kKindOneAndTwo, Privacy::secret),
            network(keys::kApnUser, 32, kNetworkApnText, kKindOneAndTwo, Privacy::ordinary, true),
            network(keys::kApnPassword, 32, kNetworkApnText, kKindOneAndTwo, Privacy::secret, true),
            network(keys::kServerIp, 16, at(NetworkText::server_ip), kKindOneAndTwo),
            network(keys::kServerPort, 8, at(NetworkText::server_port), kKindOneAndTwo),
        });
}

void addStatusRows(std::vector<CatalogueRow>& rows) {
    for (const std::string_view key : {keys::kFirmware, keys::kCard}) {
        rows.push_back({.key = key, .group = SettingGroup::status, .kind = SettingKind::status});
    }
}

constexpr CatalogueRow menuList(std::string_view key, MenuField field,
                                std::span<const std::string_view> values,
                                std::span<const std::string_view> aliases,
                                EntrySource entries = EntrySource::fixed, unsigned disabled = 0) {
    return {.key = key,
            .group = SettingGroup::recording,
            .kind = SettingKind::list,
            .values = values,
            .aliases = aliases,
            .entries = entries,
            .slot = static_cast<int>(field),
            .disabledByKinds = disabled,
            .destroysRecordings = field == MenuField::aes_encryption};
}

const std::vector<CatalogueRow> kCommonRows = [] {
    using enum MenuField;
    const auto onOff = [](std::string_view key, MenuField field, unsigned disabled = 0) {
        return menuList(key, field, kOffOn, kOffOnAliases, EntrySource::fixed, disabled);
    };
    auto deviceId = text(keys::kDeviceId, SettingGroup::identity, 7, 0, 0, Privacy::identity, true);
    // A camera with 4G or Wi-Fi takes a shorter device ID.
    deviceId.typingLimitWithRadio = 5;
    std::vector<CatalogueRow> rows{
        deviceId,
        text(keys::kOfficerId, SettingGroup::identity, 6, 0, 0, Privacy::identity),
        text(keys::kSerialNumber, SettingGroup::identity,
             static_cast<int>(SerialNumberSettings::kMaximumLength), 0, 0, Privacy::identity, true),
    };
    addNetworkRows(rows);
    rows.insert(rows.end(), {
                                menuList(keys::kResolution, resolution, kResolution,
                                         kResolutionAliases, EntrySource::resolutionMask),
                                menuList(keys::kQuality, quality, kQuality, kQualityAliases),
                                menuList(keys::kCodingFormat, coding_format, kCodec, kCodecAliases),
                                menuList(keys::kSplitTime, split_time, kSplitTime,
                                         kSplitTimeAliases, EntrySource::splitTimeMask),
                                onOff(keys::kLoopRecord, loop_record),
                                onOff(keys::kPreRecord, pre_record),
                                menuList(keys::kInfrared, infrared, kInfrared, kInfraredAliases),
                                menuList(keys::kTimeZone, time_zone, kTimeZone, kTimeZoneAliases),
                                menuList(keys::kVolume, volume, kVolume, kVolumeAliases),
                                onOff(keys::kGps, gps),
                                onOff(keys::kRecWarning, rec_warning),
                                menuList(keys::kPhotoSize, photo_size, kPhotoSize,
                                         kPhotoSizeAliases, EntrySource::photoSizeMask),
                                onOff(keys::kCellular4g, cellular_4g, kKindOneAndTwo),
                                menuList(keys::kWifiMode, wifi_mode, kWifiMode, kWifiModeAliases,
                                         EntrySource::fixed, kKindTwo),
                                menuList(keys::kPostRecord, post_record, kPostRecord,
                                         kPostRecordAliases, EntrySource::postRecordMask),
                                onOff(keys::kAutoRecord, auto_record),
                                onOff(keys::kMotionDetect, motion_detect),
                                menuList(keys::kLiveResolution, live_resolution, kLiveResolution,
                                         kLiveResolutionAliases, EntrySource::fixed, kKindTwo),
                                menuList(keys::kLiveCodingFormat, live_coding_format, kCodec,
                                         kCodecAliases, EntrySource::fixed, kKindTwo),
                                menuList(keys::kGSensor, g_sensor, kGSensor, kGSensorAliases),
                                onOff(keys::kEis, eis),
                                onOff(keys::kAesEncryption, aes_encryption),
                            });
    addStatusRows(rows);
    return rows;
}();

// Aliases: the other model's window labels as old profiles hold them, where they differ from
// the value names.
constexpr Names<2> kStcOffOnAliases{"Desl.", "Ligado"};
constexpr Names<2> kFrontFrameRateAliases{"30 FPS", "15 FPS"};
constexpr Names<4> kNoticeKindAliases{"Desl.", "Audio", "Chime", "Vibração"};
constexpr Names<4> kNoticeIntervalAliases{"1 min", "2 min", "5 min", "10 min"};
constexpr Names<3> kStcInfraredAliases{"Desl.", "Manual", "Auto"};
constexpr Names<7> kStcSplitTimeAliases{"1 Min",  "3 Min",  "5 Min", "10 Min",
                                        "15 Min", "30 Min", "45 Min"};
constexpr Names<3> kStcWifiModeAliases{"Desl.", "STA", "AP"};
constexpr Names<3> kRecordingCameraAliases{"Frontal", "Externa", "Ambas"};
constexpr Names<5> kStcQualityAliases{"S.Fine", "Fine", "Normal", "Low", "S.Low"};
constexpr Names<4> kStcLiveResolutionAliases{"1280x720 30p", "1280x720 15p", "848x480 30p",
                                             "848x480 15P"};

struct StcList {
    std::string_view key;
    std::span<const std::string_view> values;
    std::span<const std::string_view> aliases;
};

// The other model's 28 lists in menu order, with the value names of each.
constexpr std::array<StcList, StcMenuRecord::kListCount> kStcLists{{
    {"front_camera_resolution", kFrontResolution, {}},
    {"front_camera_frame_rate", kFrontFrameRate, kFrontFrameRateAliases},
    {"external_camera_resolution", kExternalResolution, {}},
    {"video_codec", kCodec, kCodecAliases},
    {"recording_notice_kind", kNoticeKind, kNoticeKindAliases},
    {"recording_notice_interval", kNoticeInterval, kNoticeIntervalAliases},
    {"vehicle_mode", kOffOn, kStcOffOnAliases},
    {keys::kTimeZone, kTimeZone, kTimeZoneAliases},
    {"stabiliser", kOffOn, kStcOffOnAliases},
    {keys::kInfrared, kStcInfrared, kStcInfraredAliases},
    {keys::kLoopRecord, kOffOn, kStcOffOnAliases},
    {keys::kSplitTime, kSplitTime, kStcSplitTimeAliases},
    {keys::kGps, kOffOn, kStcOffOnAliases},
    {"recording_notice", kOffOn, kStcOffOnAliases},
    {"encrypted", kOffOn, kStcOffOnAliases},
    {"mute_audio", kOffOn, kStcOffOnAliases},
    {"storage_encryption", kOffOn, kStcOffOnAliases},
    {keys::kWifiMode, kWifiMode, kStcWifiModeAliases},
    {"speed", kOffOn, kStcOffOnAliases},
    {"recording_camera", kRecordingCamera, kRecordingCameraAliases},
    {keys::kQuality, kStcQuality, kStcQualityAliases},
    {keys::kGSensor, kOffOn, kStcOffOnAliases},
    {"audio_button", kOffOn, kStcOffOnAliases},
    {"photo_button", kOffOn, kStcOffOnAliases},
    {"function_button", kOffOn, kStcOffOnAliases},
    {keys::kCellular4g, kOffOn, kStcOffOnAliases},
    {keys::kLiveResolution, kLiveResolution, kStcLiveResolutionAliases},
    {"live_codec", kCodec, kCodecAliases},
}};

unsigned stcListDisabledByKinds(int list) {
    if (list == kStcCellular4gList) {
        return kKindOneAndTwo;
    }
    const bool radio =
        list == kStcWifiList || list == kStcLiveResolutionList || list == kStcLiveCodecList;
    return radio ? kKindTwo : 0;
}

const std::vector<CatalogueRow> kStcRows = [] {
    std::vector<CatalogueRow> rows{
        text(keys::kDeviceId, SettingGroup::identity, 7, 0, 0, Privacy::identity, true),
        text(keys::kOfficerId, SettingGroup::identity, 7, 0, 0, Privacy::identity),
    };
    addNetworkRows(rows);
    for (int list = 0; list < StcMenuRecord::kListCount; ++list) {
        const auto& [key, values, aliases] = kStcLists[static_cast<std::size_t>(list)];
        rows.push_back({.key = key,
                        .group = SettingGroup::recording,
                        .kind = SettingKind::list,
                        .values = values,
                        .aliases = aliases,
                        .slot = list,
                        .disabledByKinds = stcListDisabledByKinds(list),
                        .destroysRecordings = list == kStcEncryptionList});
    }
    addStatusRows(rows);
    return rows;
}();

const CameraModel kCommon{.name = "common",
                          .menuRecordSize = MenuRecord::kSize,
                          .officerIdWidth = OfficerIdWidth::sixBytes,
                          .identityGetNeedsFlagOne = true,
                          .readsSerialNumber = true,
                          .catalogue = kCommonRows};

const CameraModel kStc{.name = "stc",
                       .menuRecordSize = StcMenuRecord::kSize,
                       .officerIdWidth = OfficerIdWidth::sevenBytes,
                       .identityGetNeedsFlagOne = false,
                       .readsSerialNumber = false,
                       .catalogue = kStcRows};

const std::array<const CameraModel*, 2> kModels{&kCommon, &kStc};

}  // namespace

std::string_view groupName(SettingGroup group) {
    constexpr std::string_view kNames[] = {"identity", "network", "recording", "status"};
    return kNames[static_cast<std::size_t>(group)];
}

const CatalogueRow* CameraModel::row(std::string_view key) const {
    const auto found = std::ranges::find(catalogue, key, &CatalogueRow::key);
    return found == catalogue.end() ? nullptr : &*found;
}

const CatalogueRow& CameraModel::rowAt(std::string_view key) const {
    if (const CatalogueRow* found = row(key)) {
        return *found;
    }
    throw std::out_of_range("no setting " + std::string(key) + " in model " + std::string(name));
}

const CameraModel& commonModel() {
    return kCommon;
}

const CameraModel& stcModel() {
    return kStc;
}

std::span<const CameraModel* const> cameraModels() {
    return kModels;
}

const CameraModel* modelNamed(std::string_view name) {
    const auto found = std::ranges::find(kModels, name, &CameraModel::name);
    return found == kModels.end() ? nullptr : *found;
}

}  // namespace camera
