#pragma once

#include <array>
#include <string_view>

#include "option_lists.h"

namespace editions {

// Words of the lists built from capability masks, one per mask bit in bit order.
using ResolutionLabels = std::array<std::string_view, camera::kResolutionBits>;
using PhotoSizeLabels = std::array<std::string_view, camera::kPhotoSizeBits>;
using PostRecordLabels = std::array<std::string_view, camera::kPostRecordBits>;
using SplitTimeLabels = std::array<std::string_view, camera::kSplitTimeBits>;

// The English edition's list entries; the other editions bring their own for the same positions.
namespace english {

inline constexpr ResolutionLabels kResolution{"2688x1512 30P", "2560x1440 30P", "2304x1296 30P",
                                              "1920x1080 60P", "1920x1080 30P", "1440x1080 30P",
                                              "1280x720 60P",  "1280x720 30P",  "848x480 60P",
                                              "848x480 30P",   "720x480 30P"};
inline constexpr PhotoSizeLabels kPhotoSize{"5M",  "8M",  "10M", "12M", "16M", "20M", "21M", "23M",
                                            "25M", "28M", "30M", "32M", "36M", "40M", "50M", "64M"};
inline constexpr PostRecordLabels kPostRecord{"OFF",     "5 Sec",   "1 Min",
                                              "10 Mins", "20 Mins", "35 Mins"};
inline constexpr SplitTimeLabels kSplitTime{"1 Min",   "3 Mins",  "5 Mins", "10 Mins",
                                            "15 Mins", "30 Mins", "45 Mins"};

inline constexpr std::array<std::string_view, 3> kQuality{"S.Fine", "Fine", "Normal"};
// Also the live stream's coding format.
inline constexpr std::array<std::string_view, 2> kCodingFormat{"H.264", "H.265"};
// Loop record, pre-record, GPS, recording warning, 4G, auto record, motion detection, EIS,
// AES encryption and video stamp.
inline constexpr std::array<std::string_view, 2> kOffOn{"OFF", "ON"};
inline constexpr std::array<std::string_view, 2> kInfrared{"Manual", "Auto"};
inline constexpr std::array<std::string_view, 25> kTimeZone{
    "- 12", "- 11", "- 10", "- 9", "- 8", "- 7", "- 6", "- 5", "- 4", "- 3",  "- 2",  "- 1", "0",
    "+ 1",  "+ 2",  "+ 3",  "+ 4", "+ 5", "+ 6", "+ 7", "+ 8", "+ 9", "+ 10", "+ 11", "+ 12"};
inline constexpr std::array<std::string_view, 5> kVolume{"0", "3", "6", "9", "12"};
inline constexpr std::array<std::string_view, 3> kWifiMode{"OFF", "STA ON", "AP ON"};
inline constexpr std::array<std::string_view, 4> kLiveResolution{"1280X720 30P", "1280X720 15P",
                                                                 "848x480 30P", "848x480 15P"};
inline constexpr std::array<std::string_view, 4> kGSensor{"OFF", "Sensitivity High",
                                                          "Sensitivity Middle", "Sensitivity Low"};

}  // namespace english
}  // namespace editions
