#include "password_settings.h"

#include "text_buffer.h"

namespace camera {

TextReading PasswordSettings::read() {
    PasswordBuffer buffer;
    int32_t flag = 0;
    camera_.Qumat_GetPsw(userType_, buffer.data(), &flag);
    return {.succeeded = flag != 0, .text = buffer.text()};
}

WriteOutcome PasswordSettings::modify(std::u16string_view newPassword) {
    if (newPassword.size() < kLength) {
        return WriteOutcome::refused;
    }
    PasswordBuffer buffer;
    buffer.write(newPassword);
    int32_t flag = 0;
    camera_.Qumat_ChangePsw(userType_, buffer.data(), &flag);
    return outcomeOf(flag);
}

}  // namespace camera
