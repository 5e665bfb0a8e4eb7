#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace camera {

// The value of a list the camera does not offer (the 0xFF marker), and of a value byte that
// selects no entry of its list.
inline constexpr std::string_view kUnsupported = "unsupported";
inline constexpr std::string_view kNoEntry = "none";

// One setting's value as read from the camera, or as a change wants it: a text in UTF-8, or a
// list's value name.
struct SettingValue {
    std::string text;
    // Lists: the value names the camera offers, in list order, and the position the value byte
    // selects, which goes back as it came when the value is not changed.
    std::vector<std::string_view> offered{};
    int position = -1;
    // False for a text the camera sent without its terminator, run on to its field's end.
    bool sound = true;
};

// By catalogue row key.
using SettingValues = std::map<std::string, SettingValue, std::less<>>;

// A list's value: the entry at `position`, or one of the two words above.
SettingValue listValue(std::span<const std::string_view> offered, int position, bool supported);

}  // namespace camera
