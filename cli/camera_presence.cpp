#include "camera_presence.h"

#include <algorithm>
#include <array>
#include <thread>
#include <utility>

#include "camera_hold.h"

namespace cli {

std::optional<std::string> holdCamera(Console& console, std::chrono::milliseconds patience) {
    if (console.cameraHold == nullptr) {
        return std::nullopt;
    }
    if (auto refusal = console.cameraHold->take(patience)) {
        return std::move(refusal->message);
    }
    return std::nullopt;
}

void letCameraGo(Console& console) {
    if (console.cameraHold != nullptr) {
        console.cameraHold->release();
    }
}

bool cameraAnswers(camera::CameraLibrary& camera) {
    std::array<uint8_t, 6> buffer{};
    int32_t flag = 0;
    camera.Init_Device(buffer.data(), &flag);
    return flag == 1;
}

WaitEnd waitForCamera(camera::CameraLibrary& camera, Console& console, const CameraWait& wait) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kPollInterval = std::chrono::seconds(1);
    // Short enough that Ctrl-C ends the wait at once.
    constexpr auto kSlice = std::chrono::milliseconds(50);
    const auto start = Clock::now();
    bool toldInUse = wait.quiet;
    for (;;) {
        if (wait.stopped()) {
            return WaitEnd::stopped;
        }
        const auto refusal = console.cameraHold == nullptr
                                 ? std::nullopt
                                 : console.cameraHold->take(std::chrono::milliseconds(0));
        if (!refusal) {
            const bool answered = cameraAnswers(camera);
            // Kept only for the work that follows an answer.
            if (!answered || !wait.connected) {
                letCameraGo(console);
            }
            if (answered == wait.connected) {
                return WaitEnd::reached;
            }
        } else if (!refusal->inUse) {
            console.error() << refusal->message << '\n';
            return WaitEnd::failed;
        } else if (!std::exchange(toldInUse, true)) {
            console.error() << refusal->message << "; waiting\n";
        }
        auto next = Clock::now() + kPollInterval;
        if (wait.timeout) {
            if (Clock::now() - start >= *wait.timeout) {
                return WaitEnd::timedOut;
            }
            // The last look falls at the time-out itself.
            next = std::min<Clock::time_point>(next, start + *wait.timeout);
        }
        while (Clock::now() < next && !wait.stopped()) {
            std::this_thread::sleep_for(kSlice);
        }
    }
}

}  // namespace cli
