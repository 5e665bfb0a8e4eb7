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

// The device ID and officer ID. A new device ID must have the length of the last one read,
// which `lastRead` keeps beyond this object.
class IdentitySettings {
  public:
    IdentitySettings(CameraLibrary& camera, Session& session, LastRead& lastRead,
                     OfficerIdWidth officerIdWidth);

    struct Reading {
        bool succeeded = false;
        // Present when the camera's answer is one the caller accepts as holding the values.
        std::optional<Identity> identity{};
    };
    // `needsFlagOne`: only the flag 1 counts as an answer with values, not any success.
    Reading read(bool needsFlagOne);
    // An ID that is what the last read gave goes back as the bytes it came in, which its
    // conversion might not give again.
    WriteOutcome write(std::u16string_view deviceId, std::u16string_view officerId);

  private:
    CameraLibrary& camera_;
    Session& session_;
    LastRead& lastRead_;
    OfficerIdWidth officerIdWidth_;
    std::optional<IdentityRecord> lastRecord_;
};

}  // namespace camera
