#pragma once

#include <cstdint>

#include "camera_library.h"
#include "session.h"

namespace camera {

// What writing a menu record asks of whoever drives it (a window, the command line): the user's
// answer when the storage-encryption option changes, and the outcome to show.
class MenuWriteDriver {
  public:
    virtual ~MenuWriteDriver() = default;

    // Asked after a successful first write that changes the encryption option; true formats the
    // memory card, which destroys the recordings on it.
    virtual bool confirmEncryptionChange() = 0;
    // The outcome of the first write.
    virtual void reportWrite(bool succeeded) = 0;
    // The encryption list's position once the question is settled: the option the camera keeps.
    virtual void showEncryption(int position) = 0;
};

// Asks the driver about a change of the encryption option and, on yes, formats the memory card
// with the login password (its outcome is not reported). True when the user said yes.
inline bool formatCardIfConfirmed(CameraLibrary& camera, const Session& session,
                                  MenuWriteDriver& driver) {
    if (!driver.confirmEncryptionChange()) {
        return false;
    }
    int32_t formatResult = 0;
    camera.Qumat_FormatTFCard(session.loginPassword.data(), &formatResult);
    return true;
}

}  // namespace camera
