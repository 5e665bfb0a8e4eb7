#pragma once

#include <cstdio>
#include <optional>

namespace app {

// Answers --help and --version, and refuses any other argument. Returns the exit code when the
// program should end without opening a window, nothing when it should start.
std::optional<int> handleCommandLine(int argc, const char* const argv[], std::FILE* output,
                                     std::FILE* errors);

}  // namespace app
