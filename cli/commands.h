#pragma once

#include <optional>
#include <vector>

#include "camera_library.h"
#include "camera_settings.h"
#include "change_request.h"
#include "console.h"
#include "options.h"

namespace cli {

// Each command returns its exit status, having said on the console what it did or why not.
int runShow(const Options& options, camera::CameraLibrary& camera, Console& console);
int runGet(const Options& options, camera::CameraLibrary& camera, Console& console);
int runSet(const Options& options, camera::CameraLibrary& camera, Console& console);
int runExport(const Options& options, camera::CameraLibrary& camera, Console& console);
int runImport(const Options& options, camera::CameraLibrary& camera, Console& console);
// Prints the change log, or checks its chain; touches no camera.
int runLog(const Options& options, Console& console);

// The password, the login and the device kind; the exit status when one failed.
std::optional<int> logIn(CameraSettings& settings, const Options& options, Console& console);

// Set, and import after its list of changes: every request checked against the camera, then the
// changed groups written, or nothing written when one request is refused.
int changeSettings(const std::vector<Request>& requests, const Options& options,
                   camera::CameraLibrary& camera, Console& console);

}  // namespace cli
