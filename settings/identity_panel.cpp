#include "identity_panel.h"

namespace settings {

IdentityPanel::IdentityPanel(QDialog& window, const Controls& controls,
                             const editions::Edition& edition, ui::Context& context)
    : GroupPanel(window, controls, edition, context),
      identity_(context.camera, context.session, edition.index, edition.model.officerIdWidth),
      serialNumber_(context.camera),
      deviceId_(setting("device_id")),
      officerId_(setting("officer_id")) {
    onClicked(editions::Button::identityGet, &IdentityPanel::get);
    onClicked(editions::Button::identitySet, &IdentityPanel::set);
    if (edition_.model.readsSerialNumber) {
        serialNumberRow_ = &setting("serial_number");
        onClicked(editions::Button::serialNumberGet, &IdentityPanel::getSerialNumber);
        onClicked(editions::Button::serialNumberSet, &IdentityPanel::setSerialNumber);
    }
}

void IdentityPanel::limitTyping() {
    limitTypingInto(deviceId_);
    limitTypingInto(officerId_);
}

void IdentityPanel::readAtSetUp() {
    show(identity_.read(false));
}

void IdentityPanel::readSerialNumberAtSetUp() {
    limitTypingInto(*serialNumberRow_);
    if (const auto text = serialNumber_.readAtSetUp()) {
        serialNumberEdit().setText(windowText(*text));
    }
}

void IdentityPanel::show(const camera::IdentitySettings::Reading& reading) {
    if (reading.identity) {
        controls_.edit(deviceId_).setText(windowText(reading.identity->deviceId));
        controls_.edit(officerId_).setText(windowText(reading.identity->officerId));
    }
}

void IdentityPanel::get() {
    const auto reading = identity_.read(edition_.model.identityGetNeedsFlagOne);
    show(reading);
    report(reading.succeeded);
}

void IdentityPanel::set() {
    report(identity_.write(cameraText(controls_.edit(deviceId_).text()),
                           cameraText(controls_.edit(officerId_).text())),
           edition_.language.settings.idLengthWrong);
}

void IdentityPanel::getSerialNumber() {
    const auto reading = serialNumber_.read();
    serialNumberEdit().setText(windowText(reading.text));
    report(reading.succeeded);
}

void IdentityPanel::setSerialNumber() {
    report(serialNumber_.write(cameraText(serialNumberEdit().text())),
           editions::kWrongSerialNumber);
}

}  // namespace settings
