#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace camera {
class CameraHold;
}

namespace cli {

enum ExitStatus : int {
    kDone = 0,
    kCameraFailed = 1,
    kOutputFailed = 1,
    kUsageError = 2,
    // import --dry-run --exit-code found something to write.
    kChangesPending = 3,
};

// What a command uses besides the camera: results go to `output`, messages to `errors`.
struct Console {
    std::ostream& output;
    std::ostream& errors;
    // Profiles and secrets given as '-'.
    std::istream& input;
    // As the user called it, for messages: "qumat" or "qumat_pro".
    std::string program;
    // QUMAT_PASSWORD, when it is set.
    std::optional<std::string> passwordVariable;
    // Asks for a password or a secret on the terminal without echo, after the prompt; nothing
    // when there is no terminal.
    std::function<std::optional<std::string>(std::string_view prompt)> askHidden;
    // The camera's lock, which a command holds from its first camera call to its end; none where
    // no other program reaches the camera (a test's camera of its own).
    camera::CameraHold* cameraHold = nullptr;

    // The error stream after the program's name.
    std::ostream& error() { return errors << program << ": "; }
};

}  // namespace cli
