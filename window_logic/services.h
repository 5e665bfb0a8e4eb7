#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "camera_hold.h"
#include "camera_library.h"
#include "hand_over.h"
#include "message_boxes.h"
#include "window_session.h"

namespace window_logic {

// The services every window's logic works with; main makes the real ones, tests their own.
struct Services {
    camera::CameraLibrary& camera;
    MessageBoxes& messageBoxes;
    HandOver& handOver;
    Session& session;
    std::filesystem::path languageFile;
    // Why the last call, a change, was not sent (the change log cannot be written); empty
    // otherwise.
    std::function<std::string()> changeRefusal = [] { return std::string(); };
    // The camera's lock, held from Connect until the windows close; none where no other program
    // reaches the camera (a test's camera of its own).
    camera::CameraHold* cameraHold = nullptr;
};

}  // namespace window_logic
