#include "camera_login.h"

#include <array>

#include "login_password.h"

namespace camera {

bool CameraLogin::connect() {
    std::array<uint8_t, 6> buffer{};
    int32_t flag = 0;
    camera_.Init_Device(buffer.data(), &flag);
    session_.connected = flag == 1 ? 1 : 0;
    return flag == 1;
}

bool CameraLogin::logIn(std::u16string_view password) {
    const LoginPassword converted(password);
    converted.keepIn(session_);
    int32_t flag = 0;
    camera_.Qumat_Login(0, converted.data(), &flag);
    return flag == 1;
}

std::optional<int32_t> CameraLogin::learnDeviceKind() {
    deviceAnswer_ = 0;
    camera_.Qumat_Get4GDevOrNot(&deviceAnswer_);
    const auto kind = deviceKindFor(deviceAnswer_);
    if (kind) {
        session_.deviceKind = *kind;
    }
    return kind;
}

}  // namespace camera
