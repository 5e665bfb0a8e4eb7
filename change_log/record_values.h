#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>

#include "catalogue.h"

namespace change_log {

// Settings by catalogue key, as text: a list by its value name.
using Values = std::map<std::string, std::string, std::less<>>;

// What a record the camera gave or was sent holds, setting by setting.
Values identityValues(const camera::CameraModel& model, std::span<const std::uint8_t> record);
Values networkValues(const camera::CameraModel& model, std::span<const std::uint8_t> record);
Values menuValues(const camera::CameraModel& model, std::span<const std::uint8_t> record);

}  // namespace change_log
