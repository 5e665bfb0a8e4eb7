#include "password_panel.h"

namespace settings {

PasswordPanel::PasswordPanel(QDialog& window, const Controls& controls,
                             const editions::Edition& edition, app::Context& context)
    // Only the edition that keeps the user type chosen at login passes it; the others always
    // work on the administrator's password.
    : GroupPanel(window, controls, edition, context),
      password_(context.camera, edition.keepsUserType ? context.session.userType : 0) {
    onClicked("passwordGetButton", &PasswordPanel::get);
    onClicked("passwordModifyButton", &PasswordPanel::modify);
}

void PasswordPanel::limitTyping() {
    limitTypingInto("newPasswordEdit");
}

void PasswordPanel::get() {
    const auto reading = password_.read();
    edit("oldPasswordEdit")->setText(windowText(reading.text));
    report(reading.succeeded);
}

void PasswordPanel::modify() {
    report(password_.modify(cameraText(edit("newPasswordEdit")->text())),
           edition_.login.wrongPasswordLength);
}

}  // namespace settings
