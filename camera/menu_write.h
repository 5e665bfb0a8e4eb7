#pragma once

#include <cstdint>
#include <optional>

#include "camera_library.h"
#include "session.h"

namespace camera {

// How the first write of a menu record went. A write that changed the storage-encryption option
// waits for the user's answer (confirm), and once the outcome is shown, completeWrite() sends the
// record that settles the option.
struct MenuWrite {
    bool written = false;
    // Changing the option formats the memory card, which destroys the recordings on it: ask.
    bool needsConfirmation = false;
    // The encryption list's position to show after the outcome; none leaves the list as it is.
    std::optional<int> encryptionPosition{};
};

// Formats the memory card with the login password; its outcome is not reported.
inline void formatMemoryCard(CameraLibrary& camera, const Session& session) {
    int32_t formatResult = 0;
    camera.Qumat_FormatTFCard(session.loginPassword.data(), &formatResult);
}

}  // namespace camera
