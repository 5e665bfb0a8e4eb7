#pragma once

#include <string_view>

// The catalogue keys that code names on its own, outside the catalogue: each is spelled here once.
namespace camera::keys {

inline constexpr std::string_view kDeviceId = "device_id";
inline constexpr std::string_view kOfficerId = "officer_id";
inline constexpr std::string_view kSerialNumber = "serial_number";

inline constexpr std::string_view kSsid = "ssid";
inline constexpr std::string_view kWifiPassword = "wifi_password";
inline constexpr std::string_view kApn = "apn";
inline constexpr std::string_view kPin = "pin";
inline constexpr std::string_view kApnUser = "apn_user";
inline constexpr std::string_view kApnPassword = "apn_password";
inline constexpr std::string_view kServerIp = "server_ip";
inline constexpr std::string_view kServerPort = "server_port";

// The recording lists both models have, and the rest of the common model's.
inline constexpr std::string_view kQuality = "quality";
inline constexpr std::string_view kSplitTime = "split_time";
inline constexpr std::string_view kLoopRecord = "loop_record";
inline constexpr std::string_view kInfrared = "infrared";
inline constexpr std::string_view kTimeZone = "time_zone";
inline constexpr std::string_view kGps = "gps";
inline constexpr std::string_view kCellular4g = "cellular_4g";
// The WIFI list of the menu, which the network record's Wi-Fi station byte follows.
inline constexpr std::string_view kWifiMode = "wifi_mode";
inline constexpr std::string_view kLiveResolution = "live_resolution";
inline constexpr std::string_view kGSensor = "g_sensor";
inline constexpr std::string_view kResolution = "resolution";
inline constexpr std::string_view kCodingFormat = "coding_format";
inline constexpr std::string_view kPreRecord = "pre_record";
inline constexpr std::string_view kVolume = "volume";
inline constexpr std::string_view kRecWarning = "rec_warning";
inline constexpr std::string_view kPhotoSize = "photo_size";
inline constexpr std::string_view kPostRecord = "post_record";
inline constexpr std::string_view kAutoRecord = "auto_record";
inline constexpr std::string_view kMotionDetect = "motion_detect";
inline constexpr std::string_view kLiveCodingFormat = "live_coding_format";
inline constexpr std::string_view kEis = "eis";
inline constexpr std::string_view kAesEncryption = "aes_encryption";

inline constexpr std::string_view kFirmware = "firmware";
inline constexpr std::string_view kCard = "card";

}  // namespace camera::keys
