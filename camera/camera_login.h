#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "camera_library.h"
#include "session.h"

namespace camera {

// The steps of logging in to the camera, as every front end takes them: connect, send the
// password, learn the device kind. Each keeps what it learns in the session.
class CameraLogin {
  public:
    CameraLogin(CameraLibrary& camera, Session& session) : camera_(camera), session_(session) {}

    // Init_Device; the session is connected when the camera answered 1.
    bool connect();
    // Keeps the password's six bytes for the later calls and logs in with it. The login call
    // always takes user type 0: the user type goes to the password calls only.
    bool logIn(std::u16string_view password);
    // The device kind the camera reports, kept in the session; nothing for an answer that is no
    // device kind.
    std::optional<int32_t> learnDeviceKind();
    // What the camera answered to the device query.
    int32_t deviceAnswer() const { return deviceAnswer_; }

  private:
    CameraLibrary& camera_;
    Session& session_;
    int32_t deviceAnswer_ = 0;
};

}  // namespace camera
