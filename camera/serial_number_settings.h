#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "camera_library.h"
#include "write_outcome.h"

namespace camera {

// The serial number, at most 15 characters.
class SerialNumberSettings {
  public:
    static constexpr std::size_t kMaximumLength = 15;

    explicit SerialNumberSettings(CameraLibrary& camera) : camera_(camera) {}

    // When a window opens: a blank serial number (starting with a zero byte, a space or 0xFF)
    // shows as an empty text; nothing when the read failed.
    std::optional<std::u16string> readAtSetUp();

    TextReading read();
    WriteOutcome write(std::u16string_view serialNumber);

  private:
    CameraLibrary& camera_;
};

}  // namespace camera
