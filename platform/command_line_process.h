#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The program's arguments, its name first, as UTF-8. Windows gives them to `main` in the ANSI code
// page, which loses what it lacks (Cyrillic on a Western system, accents on a Russian one): there
// they are read again from the process's UTF-16 command line.
std::vector<std::string> commandLineArguments(int argc, const char* const argv[]);

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
