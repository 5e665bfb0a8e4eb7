#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "camera_model.h"

namespace k47 {

struct Resolution {
    int32_t width;
    int32_t height;
};

// The recording resolution the menu record selects, or nothing when its byte is not a position
// in the camera's resolution list.
std::optional<Resolution> currentResolution(Model model, std::span<const uint8_t> menuRecord);

}  // namespace k47
