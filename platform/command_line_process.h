#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Shows `prompt` on standard error and reads one line from standard input with echo off; the
// terminal gets its settings back however the read ends, also by Ctrl-C. Nothing when standard
// input is not a terminal or the read fails.
std::optional<std::string> readLineWithoutEcho(std::string_view prompt);

// Sets a command-line process up for its files and pipes: a write beyond the process's file-size
// limit or to a pipe without a reader fails with an error instead of ending the process, and
// standard input and output carry
// bytes as they are (Windows adds no CR before LF), so that output and profiles are the same bytes
// on every system.
void prepareCommandLineProcess();

}  // namespace platform
