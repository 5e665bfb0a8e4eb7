#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "english_lists.h"

namespace editions {

// The texts a settings window's layout carries: frame titles, labels and button captions.
enum class SettingsText : std::size_t {
    identityFrame,
    deviceIdLabel,
    officerIdLabel,
    get,
    set,
    passwordFrame,
    oldPasswordLabel,
    newPasswordLabel,
    modify,
    cameraFrame,
    cardLabel,
    firmwareLabel,
    serialNumberLabel,
    serialNumberSet,
    serialNumberGet,
    setDefault,
    setTime,
    enterUDisk,
    networkFrame,
    modeLabel,
    wifiFrame,
    ssidLabel,
    wifiPasswordLabel,
    cellularFrame,
    apnLabel,
    pinLabel,
    apnUserLabel,
    apnPasswordLabel,
    serverFrame,
    serverIpLabel,
    serverPortLabel,
    cameraConfigFrame,
    resolutionLabel,
    qualityLabel,
    codingFormatLabel,
    splitTimeLabel,
    loopRecordLabel,
    preRecordLabel,
    infraredLabel,
    timeZoneLabel,
    volumeLabel,
    gpsLabel,
    recWarningLabel,
    gSensorLabel,
    cellularLabel,
    wifiLabel,
    postRecordLabel,
    autoRecordLabel,
    motionDetectLabel,
    photoSizeLabel,
    eisLabel,
    aesEncryptionLabel,
    liveStreamFrame,
    liveResolutionLabel,
    liveCodingFormatLabel,
    videoStampLabel,
    powerButtonLabel,
    recordButtonLabel,
    photoButtonLabel,
    count,
};

inline constexpr std::size_t kSettingsTextCount = static_cast<std::size_t>(SettingsText::count);

// An edition's layout texts; an empty text means the edition has no such control.
class SettingsTexts {
  public:
    constexpr SettingsTexts() = default;
    constexpr SettingsTexts(
        std::initializer_list<std::pair<SettingsText, std::string_view>> texts) {
        for (const auto& [key, text] : texts) {
            texts_[static_cast<std::size_t>(key)] = text;
        }
    }
    constexpr std::string_view operator[](SettingsText key) const {
        return texts_[static_cast<std::size_t>(key)];
    }

  private:
    std::array<std::string_view, kSettingsTextCount> texts_{};
};

using TwoEntries = std::array<std::string_view, 2>;

// The words of the four lists built from the capability masks, in bit order.
struct CapabilityLabels {
    ResolutionLabels resolution = english::kResolution;
    PhotoSizeLabels photoSize = english::kPhotoSize;
    PostRecordLabels postRecord = english::kPostRecord;
    SplitTimeLabels splitTime = english::kSplitTime;
};

// The entries of the common model's fixed lists, where an edition words them its own way; the
// defaults are English, and the lists no edition translates are in english_lists.h.
struct RecordingListTexts {
    CapabilityLabels capabilities;
    std::array<std::string_view, 3> quality = english::kQuality;
    // Loop and pre-record, motion detection, automatic recording, GPS, recording warning, 4G, EIS,
    // AES encryption and the video stamp.
    TwoEntries offOn = english::kOffOn;
    TwoEntries infrared = english::kInfrared;
    std::array<std::string_view, 3> wifi = english::kWifiMode;
    std::array<std::string_view, 4> gSensor = english::kGSensor;
    // The three hidden button lists of the edition that has them.
    TwoEntries buttons{};
};

// The settings window's message texts. Input checks use the login window's caption, and the
// password check its wrong-length text.
struct SettingsMessages {
    std::string_view caption;
    std::string_view success;
    std::string_view failure;
    std::string_view idLengthWrong;
    std::string_view encryptionQuestion;
};

// Post-record and split times as every edition but the English one words them.
inline constexpr PostRecordLabels kPostRecordInMinutes{"OFF",    "5 Sec",  "1 Min",
                                                       "10 Min", "20 Min", "35 Min"};
inline constexpr SplitTimeLabels kSplitTimeInMinutes{"1 Min",  "3 Min",  "5 Min", "10 Min",
                                                     "15 Min", "30 Min", "45 Min"};

// Shown in English by every edition that has the serial-number row.
inline constexpr std::string_view kWrongSerialNumber = "Wrong sn number,max 15";

// The layout texts of the two value labels until a read replaces them.
inline constexpr std::string_view kCardCapacityPlaceholder = "58.65 GB";
inline constexpr std::string_view kFirmwarePlaceholder = "FW_VERSION_20190808";

}  // namespace editions
