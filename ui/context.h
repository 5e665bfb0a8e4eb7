#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "camera_library.h"
#include "hand_over.h"
#include "measured_sizes.h"
#include "message_boxes.h"
#include "session.h"

namespace ui {

// The services every window is built from; main makes the real ones, tests their own.
struct Context {
    camera::CameraLibrary& camera;
    MessageBoxes& messageBoxes;
    HandOver& handOver;
    camera::Session& session;
    std::filesystem::path languageFile;
    MeasuredSizes& measuredSizes;
    // Why the last call, a change, was not sent (the change log cannot be written); empty
    // otherwise.
    std::function<std::string()> changeRefusal = [] { return std::string(); };
};

}  // namespace ui
