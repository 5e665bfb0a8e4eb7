#include "identity_panel.h"

namespace settings {

IdentityPanel::IdentityPanel(QDialog& window, const Controls& controls,
                             const editions::Edition& edition, app::Context& context)
    : GroupPanel(window, controls, edition, context),
      identity_(context.camera, context.session, edition.index, edition.officerIdWidth),
      serialNumber_(context.camera) {
    onClicked("identityGetButton", &IdentityPanel::get);
    onClicked("identitySetButton", &IdentityPanel::set);
    if (edition_.readsSerialNumber) {
        onClicked("serialNumberGetButton", &IdentityPanel::getSerialNumber);
        onClicked("serialNumberSetButton", &IdentityPanel::setSerialNumber);
    }
}

void IdentityPanel::limitTyping() {
    limitTypingInto("deviceIdEdit");
    limitTypingInto("officerIdEdit");
}

void IdentityPanel::readAtSetUp() {
    show(identity_.read(false));
}

void IdentityPanel::readSerialNumberAtSetUp() {
    limitTypingInto("serialNumberEdit");
    if (const auto text = serialNumber_.readAtSetUp()) {
        edit("serialNumberEdit")->setText(windowText(*text));
    }
}

void IdentityPanel::show(const camera::IdentitySettings::Reading& reading) {
    if (reading.identity) {
        edit("deviceIdEdit")->setText(windowText(reading.identity->deviceId));
        edit("officerIdEdit")->setText(windowText(reading.identity->officerId));
    }
}

void IdentityPanel::get() {
    const auto reading = identity_.read(edition_.identityGetNeedsFlagOne);
    show(reading);
    report(reading.succeeded);
}

void IdentityPanel::set() {
    report(identity_.write(cameraText(edit("deviceIdEdit")->text()),
                           cameraText(edit("officerIdEdit")->text())),
           edition_.settings.idLengthWrong);
}

void IdentityPanel::getSerialNumber() {
    const auto reading = serialNumber_.read();
    edit("serialNumberEdit")->setText(windowText(reading.text));
    report(reading.succeeded);
}

void IdentityPanel::setSerialNumber() {
    report(serialNumber_.write(cameraText(edit("serialNumberEdit")->text())),
           editions::kWrongSerialNumber);
}

}  // namespace settings
