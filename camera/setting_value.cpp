#include "setting_value.h"

namespace camera {

SettingValue listValue(std::span<const std::string_view> offered, int position, bool supported) {
    if (!supported) {
        return {.text = std::string(kUnsupported), .offered = {}, .position = position};
    }
    const bool selects = position >= 0 && static_cast<std::size_t>(position) < offered.size();
    return {.text = std::string(selects ? offered[static_cast<std::size_t>(position)] : kNoEntry),
            .offered = {offered.begin(), offered.end()},
            .position = position};
}

}  // namespace camera
