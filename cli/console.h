#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace cli {

enum ExitStatus : int { kDone = 0, kCameraFailed = 1, kOutputFailed = 1, kUsageError = 2 };

// What a command uses besides the camera: results go to `output`, messages to `errors`.
struct Console {
    std::ostream& output;
    std::ostream& errors;
    // QUMAT_PASSWORD, when it is set.
    std::optional<std::string> passwordVariable;
    // Asks for the password on the terminal without echo; nothing when there is no terminal.
    std::function<std::optional<std::string>()> askPassword;
};

}  // namespace cli
