#include "identity_group.h"

#include "setting_keys.h"

namespace window_logic {

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
    readIdentity(false, false);
}

void IdentityGroup::readIdentity(bool needsFlagOne, bool reportOutcome) {
    camera::SettingValues values;
    const bool succeeded = identity_.readIdentity(values, needsFlagOne);
    read_ = read_ || !values.empty();
    show(values);
    if (reportOutcome) {
        report(succeeded);
    }
}

void IdentityGroup::readSerialNumberAtSetUp() {
    limitTypingInto(row(keys::kSerialNumber));
    camera::SettingValues values;
    identity_.readSerialNumber(values);
    show(values);
}

void IdentityGroup::get() {
    readIdentity(edition_.model.identityGetNeedsFlagOne, true);
}

void IdentityGroup::set() {
    const camera::CatalogueRow* const identity[] = {&row(keys::kDeviceId), &row(keys::kOfficerId)};
    const auto values = typed(identity);
    if (refusesControlCharacters(values)) {
        return;
    }
    if ((!read_ && !allTyped(values, identity)) || !codePageHolds(values)) {
        report(false);
        return;
    }
    report(identity_.writeIdentity(values), edition_.language.settings.idLengthWrong);
}

// The serial number's hidden buttons answer only for a model that reads it.
void IdentityGroup::getSerialNumber() {
    const auto reading = identity_.readSerialNumberAsGiven();
    GroupLogic::show(&row(keys::kSerialNumber), reading.text);
    report(reading.succeeded);
}

void IdentityGroup::setSerialNumber() {
    const camera::CatalogueRow* const serialNumber[] = {&row(keys::kSerialNumber)};
    const auto values = typed(serialNumber);
    if (refusesControlCharacters(values)) {
        return;
    }
    if (!codePageHolds(values)) {
        report(false);
        return;
    }
    report(identity_.writeSerialNumber(values), editions::kWrongSerialNumber);
}

}  // namespace window_logic
