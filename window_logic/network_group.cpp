#include "network_group.h"

#include "setting_keys.h"

namespace window_logic {

namespace keys = camera::keys;

void NetworkGroup::limitTyping() {
    for (const auto& setting : edition_.model.catalogue) {
        // The two APN texts travel apart from the record, and take their limits later.
        if (setting.group == camera::SettingGroup::network && setting.slot >= 0) {
            limitTypingInto(setting);
        }
    }
}

void NetworkGroup::limitApnTyping() {
    limitTypingInto(row(keys::kApnUser));
    limitTypingInto(row(keys::kApnPassword));
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
    if (!apnUserRead_ && !allTyped(values, {&row(keys::kApnUser)})) {
        return false;
    }
    if (!apnPasswordRead_ && !allTyped(values, {&row(keys::kApnPassword)})) {
        return false;
    }
    return recordRead_ ||
           allTyped(values, {&row(keys::kSsid), &row(keys::kWifiPassword), &row(keys::kApn),
                             &row(keys::kPin), &row(keys::kServerIp), &row(keys::kServerPort)});
}

void NetworkGroup::set() {
    const auto values = typed(camera::SettingGroup::network);
    if (!complete(values) || !codePageHolds(values)) {
        report(false);
        return;
    }
    report(network_.write(values, controls_.selection(&row(keys::kWifiMode))));
}

}  // namespace window_logic
