#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "camera_library.h"
#include "console.h"

namespace cli {

// Whether the program's arguments (after its name) ask for a command rather than the windows.
bool hasCommand(const std::vector<std::string>& arguments);

// Runs one command line (without the program's name, the command first) on the camera; returns
// the exit status.
int run(const std::vector<std::string>& arguments, camera::CameraLibrary& camera, Console& console);

// The name to give in messages: the file name of argv[0], without ".exe".
std::string programName(std::string_view path);

// run() for main: the process's streams, QUMAT_PASSWORD and its terminal.
int runInProcess(int argc, const char* const argv[], camera::CameraLibrary& camera);

}  // namespace cli
