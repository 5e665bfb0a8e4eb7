#pragma once

#include <array>
#include <cstdint>

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

}  // namespace camera
