#include "network_group.h"

#include "setting_keys.h"

namespace window_logic {

namespace keys = camera::keys;

NetworkGroup::NetworkGroup(const editions::Edition& edition, Services& services,
                           WindowControls& controls)
    : GroupLogic(edition, services, controls),
      network_(services.camera, edition.model),
      apnUser_(&row(keys::kApnUser)),
      apnPassword_(&row(keys::kApnPassword)) {
    for (const auto& setting : edition.model.catalogue) {
        if (setting.group == camera::SettingGroup::network && setting.slot >= 0) {
            recordRows_.push_back(&setting);
        }
    }
}

void NetworkGroup::limitTyping() {
    // The APN texts take their limits later.
    for (const auto* setting : recordRows_) {
        limitTypingInto(*setting);
    }
}

void NetworkGroup::limitApnTyping() {
    limitTypingInto(*apnUser_);
    limitTypingInto(*apnPassword_);
}

void NetworkGroup::readRecordAtSetUp() {
    readRecord(false);
}

void NetworkGroup::readApnPasswordAtSetUp() {
    readApnPassword();
}

void NetworkGroup::readApnUserAtSetUp() {
    readApnUser();
}

bool NetworkGroup::readRecord(bool selectWifi) {
    camera::SettingValues values;
    const auto wifiPosition = network_.readRecord(values);
    if (wifiPosition && selectWifi) {
        controls_.select(&row(keys::kWifiMode), *wifiPosition);
        lastRead().wifiPosition = *wifiPosition;
    }
    recordRead_ = recordRead_ || wifiPosition.has_value();
    show(values);
    return wifiPosition.has_value();
}

void NetworkGroup::get() {
    // Success only when all three reads succeeded; each read that did fills its fields.
    const bool record = readRecord(edition_.language.networkGetSelectsWifi);
    const bool apnUser = readApnUser();
    const bool apnPassword = readApnPassword();
    report(record && apnUser && apnPassword);
}

bool NetworkGroup::complete(const camera::SettingValues& values) const {
    return !sendsUnsoundBack(values) && (apnUserRead_ || allTyped(values, {&apnUser_, 1})) &&
           (apnPasswordRead_ || allTyped(values, {&apnPassword_, 1})) &&
           (recordRead_ || allTyped(values, recordRows_));
}

void NetworkGroup::set() {
    const auto values = typed(camera::SettingGroup::network);
    if (refusesControlCharacters(values)) {
        return;
    }
    if (!complete(values) || !codePageHolds(values)) {
        report(false);
        return;
    }
    // The station byte follows the WIFI list only when the user chose another entry than read.
    const int wifi = controls_.selection(&row(keys::kWifiMode));
    const bool picked = wifi >= 0 && wifi != lastRead().wifiPosition;
    report(network_.write(values, picked ? std::optional(wifi) : std::nullopt));
}

}  // namespace window_logic
