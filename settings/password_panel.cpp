#include "password_panel.h"

#include "length_limit.h"

namespace settings {

PasswordPanel::PasswordPanel(QDialog& window, const Controls& controls,
                             const editions::Edition& edition, ui::Context& context)
    // Only the edition that keeps the user type chosen at login passes it; the others always
    // work on the administrator's password.
    : GroupPanel(window, controls, edition, context),
      password_(context.camera, edition.language.keepsUserType ? context.session.userType : 0) {
    onClicked(editions::Button::passwordGet, &PasswordPanel::get);
    onClicked(editions::Button::passwordModify, &PasswordPanel::modify);
}

void PasswordPanel::limitTyping() {
    LengthLimit::apply(&controls_.edit(editions::WindowField::newPassword),
                       static_cast<int>(camera::PasswordSettings::kLength));
}

void PasswordPanel::get() {
    const auto reading = password_.read();
    controls_.edit(editions::WindowField::oldPassword).setText(windowText(reading.text));
    report(reading.succeeded);
}

void PasswordPanel::modify() {
    report(password_.modify(cameraText(controls_.edit(editions::WindowField::newPassword).text())),
           edition_.language.login.wrongPasswordLength);
}

}  // namespace settings
