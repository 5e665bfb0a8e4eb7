#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "camera_library.h"
#include "console.h"
#include "library_lookup.h"

namespace cli {

// Whether the program's arguments (after its name) ask for a command rather than the windows.
bool hasCommand(const std::vector<std::string>& arguments);

// Looks for the camera library and readies it for a command that calls it: what the look found,
// its problem empty when the library is ready.
using CameraLoader = std::function<camera::LibraryLookup()>;

// Runs one command line (without the program's name, the command first) on the camera; returns
// the exit status. A command that needs the camera fails with usage status (2) when `loadCamera`
// finds a problem; help, the version and the log need no camera, and doctor tells what it found.
// Without `loadCamera` the camera is the program's own, with no library to look for.
int run(const std::vector<std::string>& arguments, camera::CameraLibrary& camera, Console& console,
        const CameraLoader& loadCamera = {});

// The name to give in messages: the file name of argv[0], without ".exe".
std::string programName(std::string_view path);

// run() for main: the process's streams, QUMAT_PASSWORD, its terminal and its hold on the camera.
int runInProcess(int argc, const char* const argv[], camera::CameraLibrary& camera,
                 const CameraLoader& loadCamera = {});

}  // namespace cli
