#include "network_panel.h"

namespace settings {
NetworkPanel::NetworkPanel(QDialog& window, const Controls& controls,
                           const editions::Edition& edition, ui::Context& context,
                           QComboBox* wifiList)
    : GroupPanel(window, controls, edition, context),
      network_(context.camera),
      wifiList_(wifiList),
      apnUser_(setting("apn_user")),
      apnPassword_(setting("apn_password")) {
    for (const auto& row : edition.model.catalogue) {
        if (row.group == camera::SettingGroup::network && row.slot >= 0) {
            recordTexts_[static_cast<std::size_t>(row.slot)] = &row;
        }
    }
    onClicked(editions::Button::networkGet, &NetworkPanel::get);
    onClicked(editions::Button::networkSet, &NetworkPanel::set);
}

void NetworkPanel::limitTyping() {
    for (const auto* row : recordTexts_) {
        limitTypingInto(*row);
    }
}

void NetworkPanel::limitApnTyping() {
    limitTypingInto(apnUser_);
    limitTypingInto(apnPassword_);
}

void NetworkPanel::readRecordAtSetUp() {
    readRecord(false);
}

void NetworkPanel::readApnPasswordAtSetUp() {
    readApnPassword();
}

void NetworkPanel::readApnUserAtSetUp() {
    readApnUser();
}

bool NetworkPanel::readRecord(bool selectWifi) {
    const auto record = network_.readRecord();
    if (!record) {
        return false;
    }
    if (selectWifi) {
        wifiList_->setCurrentIndex(record->wifiStationPosition());
    }
    for (std::size_t field = 0; field < recordTexts_.size(); ++field) {
        controls_.edit(*recordTexts_[field])
            .setText(windowText(record->text(static_cast<camera::NetworkText>(field))));
    }
    return true;
}

bool NetworkPanel::readApnUser() {
    const auto text = network_.readApnUser();
    if (text) {
        controls_.edit(apnUser_).setText(windowText(*text));
    }
    return text.has_value();
}

bool NetworkPanel::readApnPassword() {
    const auto text = network_.readApnPassword();
    if (text) {
        controls_.edit(apnPassword_).setText(windowText(*text));
    }
    return text.has_value();
}

void NetworkPanel::get() {
    // Success only when all three reads succeeded; each read that did fills its fields.
    const bool record = readRecord(edition_.language.networkGetSelectsWifi);
    const bool apnUser = readApnUser();
    const bool apnPassword = readApnPassword();
    report(record && apnUser && apnPassword);
}

void NetworkPanel::set() {
    camera::NetworkValues values;
    for (std::size_t field = 0; field < recordTexts_.size(); ++field) {
        values.record[field] = cameraText(controls_.edit(*recordTexts_[field]).text());
    }
    values.apnUser = cameraText(controls_.edit(apnUser_).text());
    values.apnPassword = cameraText(controls_.edit(apnPassword_).text());
    report(network_.write(values, wifiList_->currentIndex()));
}

}  // namespace settings
