#include "network_group.h"

#include "setting_keys.h"

namespace window_logic {

NetworkGroup::NetworkGroup(const editions::Edition& edition, Services& services,
                           WindowControls& controls)
    : GroupLogic(edition, services, controls),
      network_(services.camera),
      wifiList_(row(camera::keys::kWifiMode)),
      apnUser_(row(camera::keys::kApnUser)),
      apnPassword_(row(camera::keys::kApnPassword)) {
    for (const auto& setting : edition.model.catalogue) {
        if (setting.group == camera::SettingGroup::network && setting.slot >= 0) {
            recordTexts_[static_cast<std::size_t>(setting.slot)] = &setting;
        }
    }
}

void NetworkGroup::limitTyping() {
    for (const auto* setting : recordTexts_) {
        limitTypingInto(*setting);
    }
}

void NetworkGroup::limitApnTyping() {
    limitTypingInto(apnUser_);
    limitTypingInto(apnPassword_);
}

void NetworkGroup::readRecordAtSetUp() {
    readRecord(false);
}

void NetworkGroup::readApnPasswordAtSetUp() {
    readApnText(apnPassword_, &camera::NetworkSettings::readApnPassword);
}

void NetworkGroup::readApnUserAtSetUp() {
    readApnText(apnUser_, &camera::NetworkSettings::readApnUser);
}

bool NetworkGroup::readRecord(bool selectWifi) {
    const auto record = network_.readRecord();
    if (!record) {
        return false;
    }
    if (selectWifi) {
        controls_.select(&wifiList_, record->wifiStationPosition());
    }
    for (std::size_t field = 0; field < recordTexts_.size(); ++field) {
        show(recordTexts_[field], record->text(static_cast<camera::NetworkText>(field)));
    }
    return true;
}

bool NetworkGroup::readApnText(const camera::CatalogueRow& setting,
                               std::optional<std::u16string> (camera::NetworkSettings::*read)()) {
    const auto text = (network_.*read)();
    if (text) {
        show(&setting, *text);
    }
    return text.has_value();
}

void NetworkGroup::get() {
    // Success only when all three reads succeeded; each read that did fills its fields.
    const bool record = readRecord(edition_.language.networkGetSelectsWifi);
    const bool apnUser = readApnText(apnUser_, &camera::NetworkSettings::readApnUser);
    const bool apnPassword = readApnText(apnPassword_, &camera::NetworkSettings::readApnPassword);
    report(record && apnUser && apnPassword);
}

void NetworkGroup::set() {
    camera::NetworkValues values;
    for (std::size_t field = 0; field < recordTexts_.size(); ++field) {
        values.record[field] = cameraText(recordTexts_[field]);
    }
    values.apnUser = cameraText(&apnUser_);
    values.apnPassword = cameraText(&apnPassword_);
    report(network_.write(values, controls_.selection(&wifiList_)));
}

}  // namespace window_logic
