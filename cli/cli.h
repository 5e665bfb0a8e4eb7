#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "camera_library.h"
#include "console.h"

namespace cli {

// Whether the program's arguments (after its name) ask for a command rather than the windows.
bool hasCommand(const std::vector<std::string>& arguments);

// Readies the camera library for a command that calls it: empty when it is ready, else why not.
using CameraLoader = std::function<std::string()>;

// Runs one command line (without the program's name, the command first) on the camera; returns
// the exit status. A command that needs the camera fails with usage status (2) when `loadCamera`
// gives a reason; help, the version and the log need no camera.
int run(const std::vector<std::string>& arguments, camera::CameraLibrary& camera, Console& console,
        const CameraLoader& loadCamera = {});

// The name to give in messages: the file name of argv[0], without ".exe".
std::string programName(std::string_view path);

// run() for main: the process's streams, QUMAT_PASSWORD, its terminal and its hold on the camera.
int runInProcess(int argc, const char* const argv[], camera::CameraLibrary& camera,
                 const CameraLoader& loadCamera = {});

}  // namespace cli
