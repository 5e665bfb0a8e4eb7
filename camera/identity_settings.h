#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "camera_library.h"
#include "identity_record.h"
#include "session.h"
#include "write_outcome.h"

namespace camera {

struct Identity {
    std::u16string deviceId;
    std::u16string officerId;
};

// The device ID and officer ID. A new device ID must have the length of the last one read in
// this edition, which the session remembers across windows.
class IdentitySettings {
  public:
    IdentitySettings(CameraLibrary& camera, Session& session, int edition,
                     OfficerIdWidth officerIdWidth);

    struct Reading {
        bool succeeded = false;
        // Present when the camera's answer is one the caller accepts as holding the values.
        std::optional<Identity> identity{};
    };
    // `needsFlagOne`: only the flag 1 counts as an answer with values, not any success.
    Reading read(bool needsFlagOne);
    WriteOutcome write(std::u16string_view deviceId, std::u16string_view officerId);

  private:
    int32_t& rememberedLength();

    CameraLibrary& camera_;
    Session& session_;
    int edition_;
    OfficerIdWidth officerIdWidth_;
};

}  // namespace camera
