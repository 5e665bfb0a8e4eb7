#include "network_panel.h"

#include <array>

namespace settings {
namespace {

// By camera::NetworkText: the record's six texts.
constexpr std::array<std::string_view, 6> kRecordEdits{
    "ssidEdit", "wifiPasswordEdit", "apnEdit", "pinEdit", "serverIpEdit", "serverPortEdit"};

}  // namespace

NetworkPanel::NetworkPanel(QDialog& window, const Controls& controls,
                           const editions::Edition& edition, app::Context& context,
                           QComboBox* wifiList)
    : GroupPanel(window, controls, edition, context),
      network_(context.camera),
      wifiList_(wifiList) {
    onClicked("networkGetButton", &NetworkPanel::get);
    onClicked("networkSetButton", &NetworkPanel::set);
}

void NetworkPanel::limitTyping() {
    for (const std::string_view field : kRecordEdits) {
        limitTypingInto(field);
    }
}

void NetworkPanel::limitApnTyping() {
    limitTypingInto("apnUserEdit");
    limitTypingInto("apnPasswordEdit");
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
    for (std::size_t field = 0; field < kRecordEdits.size(); ++field) {
        edit(kRecordEdits[field])
            ->setText(windowText(record->text(static_cast<camera::NetworkText>(field))));
    }
    return true;
}

bool NetworkPanel::readApnUser() {
    const auto text = network_.readApnUser();
    if (text) {
        edit("apnUserEdit")->setText(windowText(*text));
    }
    return text.has_value();
}

bool NetworkPanel::readApnPassword() {
    const auto text = network_.readApnPassword();
    if (text) {
        edit("apnPasswordEdit")->setText(windowText(*text));
    }
    return text.has_value();
}

void NetworkPanel::get() {
    // Success only when all three reads succeeded; each read that did fills its fields.
    const bool record = readRecord(edition_.networkGetSelectsWifi);
    const bool apnUser = readApnUser();
    const bool apnPassword = readApnPassword();
    report(record && apnUser && apnPassword);
}

void NetworkPanel::set() {
    camera::NetworkValues values;
    for (std::size_t field = 0; field < kRecordEdits.size(); ++field) {
        values.record[field] = cameraText(edit(kRecordEdits[field])->text());
    }
    values.apnUser = cameraText(edit("apnUserEdit")->text());
    values.apnPassword = cameraText(edit("apnPasswordEdit")->text());
    report(network_.write(values, wifiList_->currentIndex()));
}

}  // namespace settings
