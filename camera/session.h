#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace camera {

// What logging in learns and later calls need, for the whole run; nothing is saved.
struct Session {
    int32_t connected = 0;
    // Six ANSI bytes and a zero byte, kept by Login and passed to the library by later calls.
    std::array<char, 7> loginPassword{};
    int32_t deviceKind = 0;
    int32_t userType = 0;
};

// What a write checks against the camera's last read, kept by whoever reads and writes.
struct LastRead {
    // The encryption option; -1 when the camera reported it as not supported.
    int32_t encryptionOption = 0;
    // A new device ID must keep this length.
    int32_t deviceIdLength = 0;
    // The WIFI list position the window's reads last selected (-1 for none): a network write
    // leaves the Wi-Fi station byte as read unless the user chose another.
    int wifiPosition = -1;
};

// The device kind for the camera's answer to the device query: 1, 2 or 3 give 0, 1 or 2; any
// other answer is no device kind.
constexpr std::optional<int32_t> deviceKindFor(int32_t answer) {
    return answer >= 1 && answer <= 3 ? std::optional(answer - 1) : std::nullopt;
}

}  // namespace camera
