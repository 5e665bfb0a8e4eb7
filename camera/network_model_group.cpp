#include "network_model_group.h"

namespace camera {
namespace {

constexpr std::string_view kApnUser = "apn_user";
constexpr std::string_view kApnPassword = "apn_password";
// The record's Wi-Fi station byte follows the WIFI list of the menu, as in the window.
constexpr std::string_view kWifiList = "wifi_mode";

}  // namespace

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
        values[std::string(kApnUser)].text = platform::toUtf8(*apnUser);
    }
    const auto apnPassword = network_.readApnPassword();
    if (apnPassword) {
        values[std::string(kApnPassword)].text = platform::toUtf8(*apnPassword);
    }
    return record && apnUser && apnPassword;
}

GroupWrite NetworkModelGroup::write(const GroupWriteRequest& request) {
    NetworkValues values;
    for (const auto& [key, text] : recordTexts_) {
        values.record[static_cast<std::size_t>(text)] = request.text(key);
    }
    values.apnUser = request.text(kApnUser);
    values.apnPassword = request.text(kApnPassword);
    return {.written = network_.write(values, request.position(kWifiList))};
}

}  // namespace camera
