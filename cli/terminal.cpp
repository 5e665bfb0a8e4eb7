#include <cstdio>
#include <iostream>
#include <new>

#include "camera_hold.h"
#include "cli.h"
#include "command_line_process.h"
#include "console_streams.h"
#include "environment.h"

namespace cli {

std::string programName(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    if (name.size() > 4 && (name.ends_with(".exe") || name.ends_with(".EXE"))) {
        name.resize(name.size() - 4);
    }
    return name.empty() ? "qumat" : name;
}

int runInProcess(int argc, const char* const argv[], camera::CameraLibrary& camera,
                 const CameraLoader& loadCamera) {
    // A write that fails is reported and cleaned up after, and output is the same bytes on every
    // system.
    platform::prepareCommandLineProcess();
    try {
        // The streams' own buffers report a failed read of standard input (a directory) as an
        // error, where the C library's pass it for the input's end: an empty profile or secret.
        std::ios::sync_with_stdio(false);
        // Text is UTF-8 from here on: arguments, variables and what a console shows or takes.
        const platform::ConsoleStreams consoleStreams;
        auto arguments = platform::commandLineArguments(argc, argv);
        const std::string program = programName(arguments.empty() ? "" : arguments.front());
        if (!arguments.empty()) {
            arguments.erase(arguments.begin());
        }
        camera::CameraHold cameraHold(camera::cameraLockFile());
        Console console{
            .output = std::cout,
            .errors = std::cerr,
            .input = std::cin,
            .program = program,
            .passwordVariable = platform::environmentText("QUMAT_PASSWORD"),
            .askHidden =
                [](std::string_view prompt) { return platform::readLineWithoutEcho(prompt); },
            .cameraHold = &cameraHold,
        };
        return run(arguments, camera, console, loadCamera);
    } catch (const std::bad_alloc&) {
        // Before the console is there: run() itself says so once it is.
        std::fputs("qumat: out of memory; stopped\n", stderr);
        return kCameraFailed;
    }
}

}  // namespace cli
