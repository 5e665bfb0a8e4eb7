#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "camera_library.h"
#include "camera_settings.h"
#include "change_request.h"
#include "cli.h"
#include "console.h"
#include "identity_list.h"
#include "logging_camera_library.h"
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

// The password, the camera's hold, the login and the device kind; the exit status when one
// failed.
std::optional<int> logIn(CameraSettings& settings, const Options& options, Console& console);

// provision: a line of cameras, each given a profile and its own identity, and read back.
int runProvision(const Options& options, camera::CameraLibrary& camera, Console& console);
// provision --status and --release: a report's identities, and one in doubt freed by hand;
// touches no camera.
int runLedger(const Options& options, Console& console);
// The identities file --identities names, read and checked; the exit status when it cannot be
// used, each refusal said.
std::variant<IdentityList, int> identityFile(const Options& options, Console& console);
// wait: until a camera answers, or none does.
int runWait(const Options& options, camera::CameraLibrary& camera, Console& console);
// doctor: whether this computer has what a real camera needs, one line per check; calls no camera.
int runDoctor(const Options& options, Console& console, const CameraLoader& loadCamera);

// What writing requests to a logged-in camera came to.
struct WriteResult {
    int status = kDone;
    // The settings the camera does not hold after the write, by name.
    std::vector<std::string> differing;
    // The first thing that failed, as said on the console; empty when only values differ.
    std::string failure;
};

// The profile's settings, from a file or standard input; the exit status when it cannot be used.
std::variant<std::vector<Request>, int> profileRequests(const Options& options, Console& console);

// The requests checked against the read camera's values, the changed groups written and read
// back; each refusal, failure and difference said on the console.
WriteResult writeRequests(CameraSettings& settings, const change_log::LoggingCameraLibrary& logged,
                          const std::vector<Request>& requests, const Options& options,
                          Console& console);

// Says once, on the error stream, that the change log's lines reached no system log, when they
// did not; whether it said so.
bool sayUnanchored(const change_log::LoggingCameraLibrary& logged, Console& console);

// Set, and import after its list of changes: every request checked against the camera, then the
// changed groups written, or nothing written when one request is refused.
int changeSettings(const std::vector<Request>& requests, const Options& options,
                   camera::CameraLibrary& camera, Console& console);

}  // namespace cli
