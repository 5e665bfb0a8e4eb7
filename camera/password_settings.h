#pragma once

#include <string>
#include <string_view>

#include "camera_library.h"
#include "write_outcome.h"

namespace camera {

// The camera's six-character password of one user type (0 the administrator, 1 the user). The
// login password the session keeps for later calls is not touched.
class PasswordSettings {
  public:
    static constexpr std::size_t kLength = 6;

    PasswordSettings(CameraLibrary& camera, int32_t userType)
        : camera_(camera), userType_(userType) {}

    TextReading read();
    // Refused when shorter than six characters; the first six converted bytes are sent.
    WriteOutcome modify(std::u16string_view newPassword);

  private:
    CameraLibrary& camera_;
    int32_t userType_;
};

}  // namespace camera
