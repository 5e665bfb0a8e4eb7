#include "network_group.h"

#include "setting_keys.h"

namespace window_logic {

using camera::NetworkModelGroup;
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
    readShown(&NetworkModelGroup::readApnPassword);
}

void NetworkGroup::readApnUserAtSetUp() {
    readShown(&NetworkModelGroup::readApnUser);
}

bool NetworkGroup::readRecord(bool selectWifi) {
    camera::SettingValues values;
    const auto wifiPosition = network_.readRecord(values);
    if (wifiPosition && selectWifi) {
        controls_.select(&row(keys::kWifiMode), *wifiPosition);
    }
    show(values);
    return wifiPosition.has_value();
}

void NetworkGroup::get() {
    // Success only when all three reads succeeded; each read that did fills its fields.
    const bool record = readRecord(edition_.language.networkGetSelectsWifi);
    const bool apnUser = readShown(&NetworkModelGroup::readApnUser);
    const bool apnPassword = readShown(&NetworkModelGroup::readApnPassword);
    report(record && apnUser && apnPassword);
}

void NetworkGroup::set() {
    report(network_.write(typed(camera::SettingGroup::network),
                          controls_.selection(&row(keys::kWifiMode))));
}

}  // namespace window_logic
