#pragma once

#include <optional>
#include <string>

#include "console.h"

namespace cli {

// The login password: the first line of --password-file, else QUMAT_PASSWORD, else asked on the
// terminal; never an argument, which other users could read in the process list. Nothing, with
// the reason on the console, when there is none or it has not the six characters the camera
// takes.
std::optional<std::u16string> loginPassword(const std::optional<std::string>& passwordFile,
                                            Console& console);

}  // namespace cli
