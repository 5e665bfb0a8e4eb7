#pragma once

#include <cstdio>
#include <optional>

namespace app {

// Answers --help and --version, and refuses a first argument that is neither an option nor a
// command. Returns the exit code when the program should end without opening a window, nothing
// when it should start; other options are left for QApplication, which takes its own.
std::optional<int> handleCommandLine(int argc, const char* const argv[], std::FILE* output,
                                     std::FILE* errors);

// `qumat_pro --doctor`, asked as a switch, is the doctor command: a first argument --doctor is
// given over as "doctor", with the arguments after it.
void spellDoctorAsCommand(int argc, char* argv[]);

// After QApplication has taken its options out of argv: refuses whatever it left.
std::optional<int> refuseLeftOverArguments(int argc, const char* const argv[], std::FILE* errors);

// Whether Qt's options name the platform or the X display, so that none need come from the
// environment.
bool choosesDisplay(int argc, const char* const argv[]);

}  // namespace app
