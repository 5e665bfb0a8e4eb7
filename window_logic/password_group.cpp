#include "password_group.h"

#include "change_check.h"
#include "code_page.h"

namespace window_logic {

using editions::WindowField;

PasswordGroup::PasswordGroup(const editions::Edition& edition, Services& services,
                             WindowControls& controls)
    // Only the edition that keeps the user type chosen at login passes it; the others always
    // work on the administrator's password.
    : GroupLogic(edition, services, controls),
      password_(services.camera, edition.language.keepsUserType ? services.session.userType : 0) {}

void PasswordGroup::limitTyping() {
    controls_.limitTyping(WindowField::newPassword,
                          static_cast<int>(camera::PasswordSettings::kLength));
}

void PasswordGroup::get() {
    const auto reading = password_.read();
    show(WindowField::oldPassword, reading.text);
    report(reading.succeeded);
}

void PasswordGroup::modify() {
    const auto password = cameraText(WindowField::newPassword);
    if (const auto control = camera::controlCharacterIn(password)) {
        refuseControlCharacter(
            edition_.language.layoutTexts[editions::SettingsText::newPasswordLabel], *control);
        return;
    }
    if (!platform::encodeAnsiExactly(password, platform::ansiCodePage())) {
        report(false);
        return;
    }
    report(password_.modify(password), edition_.language.login.wrongPasswordLength);
}

}  // namespace window_logic
