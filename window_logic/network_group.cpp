#include "network_group.h"

#include <algorithm>
#include <iterator>

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
    if (wifiPosition) {
        recordRead_ = true;
        unsound_.clear();
        std::ranges::copy_if(values, std::inserter(unsound_, unsound_.end()),
                             [](const auto& value) { return !value.second.sound; });
    }
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
    for (const auto& [key, value] : unsound_) {
        if (values.find(key)->second.text == value.text) {
            return false;
        }
    }
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
