#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace camera {

constexpr int kEditionCount = 5;

// The values that outlive the window that set them, for the whole run; nothing is saved.
struct Session {
    int32_t connected = 0;
    // Six ANSI bytes and a zero byte, kept by Login and passed to the library by later calls.
    std::array<char, 7> loginPassword{};
    int32_t deviceKind = 0;
    int32_t userType = 0;
    // Per edition: -1 when the camera reported the encryption option as not supported.
    std::array<int32_t, kEditionCount> lastEncryptionOption{};
    std::array<int32_t, kEditionCount> deviceIdLength{};
};

// The device kind for the camera's answer to the device query: 1, 2 or 3 give 0, 1 or 2; any
// other answer is no device kind.
constexpr std::optional<int32_t> deviceKindFor(int32_t answer) {
    return answer >= 1 && answer <= 3 ? std::optional(answer - 1) : std::nullopt;
}

}  // namespace camera
