#include "identity_group.h"

#include "setting_keys.h"

namespace window_logic {

using camera::SettingGroup;
namespace keys = camera::keys;

IdentityGroup::IdentityGroup(const editions::Edition& edition, Services& services,
                             WindowControls& controls)
    : GroupLogic(edition, services, controls),
      identity_(services.camera, services.session, lastRead(), edition.model) {}

void IdentityGroup::limitTyping() {
    limitTypingInto(row(keys::kDeviceId));
    limitTypingInto(row(keys::kOfficerId));
}

void IdentityGroup::readAtSetUp() {
    camera::SettingValues values;
    identity_.readIdentity(values, false);
    show(values);
}

void IdentityGroup::readSerialNumberAtSetUp() {
    limitTypingInto(row(keys::kSerialNumber));
    camera::SettingValues values;
    identity_.readSerialNumber(values);
    show(values);
}

void IdentityGroup::get() {
    camera::SettingValues values;
    const bool succeeded = identity_.readIdentity(values, edition_.model.identityGetNeedsFlagOne);
    show(values);
    report(succeeded);
}

void IdentityGroup::set() {
    report(identity_.writeIdentity(typed(SettingGroup::identity)),
           edition_.language.settings.idLengthWrong);
}

// The serial number's hidden buttons answer only for a model that reads it.
void IdentityGroup::getSerialNumber() {
    const auto reading = identity_.readSerialNumberAsGiven();
    GroupLogic::show(&row(keys::kSerialNumber), reading.text);
    report(reading.succeeded);
}

void IdentityGroup::setSerialNumber() {
    report(identity_.writeSerialNumber(typed(SettingGroup::identity)),
           editions::kWrongSerialNumber);
}

}  // namespace window_logic
