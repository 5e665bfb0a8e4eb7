#pragma once

#include <string_view>

// The catalogue keys that code names on its own, outside the catalogue: each is spelled here once.
namespace camera::keys {

inline constexpr std::string_view kDeviceId = "device_id";
inline constexpr std::string_view kOfficerId = "officer_id";
inline constexpr std::string_view kSerialNumber = "serial_number";
inline constexpr std::string_view kFirmware = "firmware";
inline constexpr std::string_view kCard = "card";
inline constexpr std::string_view kApnUser = "apn_user";
inline constexpr std::string_view kApnPassword = "apn_password";
// The WIFI list of the menu, which the network record's Wi-Fi station byte follows.
inline constexpr std::string_view kWifiMode = "wifi_mode";

}  // namespace camera::keys
