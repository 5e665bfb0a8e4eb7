#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "camera_library.h"
#include "console.h"

namespace cli {

// How long a command waits for another program to let the camera go before it says the camera is
// in use: long enough for the command before it in a pipe to end.
constexpr std::chrono::seconds kHoldPatience(1);

// Takes the camera for this program (the console's hold) until the command ends or lets it go;
// why not, as the line to say, when another program holds it past `patience` or the lock file
// cannot be used.
std::optional<std::string> holdCamera(Console& console,
                                      std::chrono::milliseconds patience = kHoldPatience);
void letCameraGo(Console& console);

// Whether a camera is connected, as the library's connect call answers: a USB device of the
// camera's kind may still be starting, or be another model, so only Init_Device tells.
bool cameraAnswers(camera::CameraLibrary& camera);

enum class WaitEnd { reached, timedOut, stopped, failed };

struct CameraWait {
    // For a camera to answer, or for none to.
    bool connected = true;
    std::optional<std::chrono::seconds> timeout;
    std::function<bool()> stopped;
    // Says nothing of another program holding the camera.
    bool quiet = false;
};

// Asks about once a second until a camera answers (or none does), the time-out passes or
// `stopped` says to give up. It asks only while the camera is this program's, between looks lets
// it go, and keeps it once a camera has answered. While another program holds the camera it waits
// on, having said so once; `failed`, said on the console, when the lock file cannot be used.
WaitEnd waitForCamera(camera::CameraLibrary& camera, Console& console, const CameraWait& wait);

}  // namespace cli
