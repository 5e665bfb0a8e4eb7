#include "identity_group.h"

#include "setting_keys.h"

namespace window_logic {

IdentityGroup::IdentityGroup(const editions::Edition& edition, Services& services,
                             WindowControls& controls)
    : GroupLogic(edition, services, controls),
      identity_(services.camera, services.session, lastRead(), edition.model.officerIdWidth),
      serialNumber_(services.camera),
      deviceId_(row(camera::keys::kDeviceId)),
      officerId_(row(camera::keys::kOfficerId)) {
    if (edition.model.readsSerialNumber) {
        serialNumberRow_ = &row(camera::keys::kSerialNumber);
    }
}

void IdentityGroup::limitTyping() {
    limitTypingInto(deviceId_);
    limitTypingInto(officerId_);
}

void IdentityGroup::readAtSetUp() {
    show(identity_.read(false));
}

void IdentityGroup::readSerialNumberAtSetUp() {
    limitTypingInto(*serialNumberRow_);
    if (const auto text = serialNumber_.readAtSetUp()) {
        GroupLogic::show(serialNumberRow_, *text);
    }
}

void IdentityGroup::show(const camera::IdentitySettings::Reading& reading) {
    if (reading.identity) {
        GroupLogic::show(&deviceId_, reading.identity->deviceId);
        GroupLogic::show(&officerId_, reading.identity->officerId);
    }
}

void IdentityGroup::get() {
    const auto reading = identity_.read(edition_.model.identityGetNeedsFlagOne);
    show(reading);
    report(reading.succeeded);
}

void IdentityGroup::set() {
    report(identity_.write(cameraText(&deviceId_), cameraText(&officerId_)),
           edition_.language.settings.idLengthWrong);
}

void IdentityGroup::getSerialNumber() {
    const auto reading = serialNumber_.read();
    GroupLogic::show(serialNumberRow_, reading.text);
    report(reading.succeeded);
}

void IdentityGroup::setSerialNumber() {
    report(serialNumber_.write(cameraText(serialNumberRow_)), editions::kWrongSerialNumber);
}

}  // namespace window_logic
