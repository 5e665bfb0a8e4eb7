#include "camera_presence.h"
#include "commands.h"
#include "interruption.h"

namespace cli {

int runWait(const Options& options, camera::CameraLibrary& camera, Console& console) {
    const Interruption interruption;
    std::optional<std::chrono::seconds> timeout;
    if (options.timeoutSeconds) {
        timeout = std::chrono::seconds(*options.timeoutSeconds);
    }
    const auto end = waitForCamera(camera, console,
                                   {.connected = options.connected,
                                    .timeout = timeout,
                                    .stopped = [] { return Interruption::requested(); },
                                    .quiet = options.quiet});
    if (end == WaitEnd::reached) {
        return kDone;
    }
    if (!options.quiet && end != WaitEnd::failed) {
        console.error() << (end == WaitEnd::stopped ? "interrupted" : "timed out")
                        << ": the camera is still "
                        << (options.connected ? "not connected" : "connected") << '\n';
    }
    return kCameraFailed;
}

}  // namespace cli
