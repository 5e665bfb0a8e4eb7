#include "camera_presence.h"

#include <algorithm>
#include <array>
#include <thread>

namespace cli {

bool cameraAnswers(camera::CameraLibrary& camera) {
    std::array<uint8_t, 6> buffer{};
    int32_t flag = 0;
    camera.Init_Device(buffer.data(), &flag);
    return flag == 1;
}

WaitEnd waitForCamera(camera::CameraLibrary& camera, bool connected,
                      std::optional<std::chrono::seconds> timeout,
                      const std::function<bool()>& stopped) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kPollInterval = std::chrono::seconds(1);
    // Short enough that Ctrl-C ends the wait at once.
    constexpr auto kSlice = std::chrono::milliseconds(50);
    const auto start = Clock::now();
    for (;;) {
        if (stopped()) {
            return WaitEnd::stopped;
        }
        if (cameraAnswers(camera) == connected) {
            return WaitEnd::reached;
        }
        auto next = Clock::now() + kPollInterval;
        if (timeout) {
            if (Clock::now() - start >= *timeout) {
                return WaitEnd::timedOut;
            }
            // The last look falls at the time-out itself.
            next = std::min<Clock::time_point>(next, start + *timeout);
        }
        while (Clock::now() < next && !stopped()) {
            std::this_thread::sleep_for(kSlice);
        }
    }
}

}  // namespace cli
