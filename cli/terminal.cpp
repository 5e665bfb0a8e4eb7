#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "cli.h"

namespace cli {
namespace {

std::optional<std::string> askOnTerminal() {
    if (::isatty(STDIN_FILENO) == 0) {
        return std::nullopt;
    }
    std::cerr << "Password: " << std::flush;
    termios previous{};
    const bool echoOff = ::tcgetattr(STDIN_FILENO, &previous) == 0;
    if (echoOff) {
        termios silent = previous;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string password;
    const bool read = static_cast<bool>(std::getline(std::cin, password));
    if (echoOff) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &previous);
    }
    std::cerr << '\n';
    return read ? std::optional(password) : std::nullopt;
}

}  // namespace

int runInProcess(int argc, const char* const argv[], camera::CameraLibrary& camera) {
    const char* variable = std::getenv("QUMAT_PASSWORD");
    Console console{
        .output = std::cout,
        .errors = std::cerr,
        .passwordVariable =
            variable != nullptr ? std::optional<std::string>(variable) : std::nullopt,
        .askPassword = askOnTerminal,
    };
    return run(std::vector<std::string>(argv + 1, argv + argc), camera, console);
}

}  // namespace cli
