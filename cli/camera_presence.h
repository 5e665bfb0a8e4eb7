#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "camera_library.h"

namespace cli {

// Whether a camera is connected, as the library's connect call answers: a USB device of the
// camera's kind may still be starting, or be another model, so only Init_Device tells.
bool cameraAnswers(camera::CameraLibrary& camera);

enum class WaitEnd { reached, timedOut, stopped };

// Asks about once a second until a camera answers (or, `connected` false, until none does), the
// time-out passes or `stopped` says to give up.
WaitEnd waitForCamera(camera::CameraLibrary& camera, bool connected,
                      std::optional<std::chrono::seconds> timeout,
                      const std::function<bool()>& stopped);

}  // namespace cli
