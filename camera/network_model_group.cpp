#include "network_model_group.h"

#include "setting_keys.h"

namespace camera {

NetworkModelGroup::NetworkModelGroup(CameraLibrary& camera, const CameraModel& model)
    : network_(camera) {
    for (const auto& row : model.catalogue) {
        // The two APN texts travel apart from the record.
        if (row.group == SettingGroup::network && row.slot >= 0) {
            recordTexts_.emplace_back(row.key, static_cast<NetworkText>(row.slot));
        }
    }
}

bool NetworkModelGroup::read(SettingValues& values) {
    const auto record = network_.readRecord();
    if (record) {
        for (const auto& [key, text] : recordTexts_) {
            values[std::string(key)].text = platform::toUtf8(record->text(text));
        }
    }
    const auto apnUser = network_.readApnUser();
    if (apnUser) {
        values[std::string(keys::kApnUser)].text = platform::toUtf8(*apnUser);
    }
    const auto apnPassword = network_.readApnPassword();
    if (apnPassword) {
        values[std::string(keys::kApnPassword)].text = platform::toUtf8(*apnPassword);
    }
    return record && apnUser && apnPassword;
}

GroupWrite NetworkModelGroup::write(const GroupWriteRequest& request) {
    NetworkValues values;
    for (const auto& [key, text] : recordTexts_) {
        values.record[static_cast<std::size_t>(text)] = request.text(key);
    }
    values.apnUser = request.text(keys::kApnUser);
    values.apnPassword = request.text(keys::kApnPassword);
    // The record's Wi-Fi station byte follows the WIFI list of the menu, as in the window.
    return {.written = network_.write(values, request.position(keys::kWifiMode))};
}

}  // namespace camera
