#include <cstdlib>
#include <iostream>

#include "cli.h"
#include "command_line_process.h"

namespace cli {
int runInProcess(int argc, const char* const argv[], camera::CameraLibrary& camera) {
    // A write that fails is reported and cleaned up after, and output is the same bytes on every
    // system.
    platform::prepareCommandLineProcess();
    const char* variable = std::getenv("QUMAT_PASSWORD");
    Console console{
        .output = std::cout,
        .errors = std::cerr,
        .passwordVariable =
            variable != nullptr ? std::optional<std::string>(variable) : std::nullopt,
        .askPassword = [] { return platform::readLineWithoutEcho("Password: "); },
    };
    return run(std::vector<std::string>(argv + 1, argv + argc), camera, console);
}

}  // namespace cli
