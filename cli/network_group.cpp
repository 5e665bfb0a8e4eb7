#include "network_group.h"

#include <string_view>

#include "setting_table.h"

namespace cli {
namespace {

constexpr std::string_view kApnUser = "network.apn_user";
constexpr std::string_view kApnPassword = "network.apn_password";
// The record's Wi-Fi station byte follows the WIFI list of the menu, as in the window.
constexpr std::string_view kWifiList = "recording.wifi_mode";

}  // namespace

NetworkGroup::NetworkGroup(camera::CameraLibrary& camera, const camera::CameraModel& model)
    : network_(camera) {
    for (const auto& row : model.catalogue) {
        // The two APN texts travel apart from the record.
        if (row.group == camera::SettingGroup::network && row.slot >= 0) {
            recordTexts_.emplace_back(settingName(row), static_cast<camera::NetworkText>(row.slot));
        }
    }
}

bool NetworkGroup::read(Values& values) {
    const auto record = network_.readRecord();
    if (record) {
        for (const auto& [name, text] : recordTexts_) {
            values[name].text = platform::toUtf8(record->text(text));
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

GroupWrite NetworkGroup::write(const WriteRequest& request) {
    camera::NetworkValues values;
    for (const auto& [name, text] : recordTexts_) {
        values.record[static_cast<std::size_t>(text)] = request.text(name);
    }
    values.apnUser = request.text(kApnUser);
    values.apnPassword = request.text(kApnPassword);
    return {.written = network_.write(values, request.position(kWifiList))};
}

}  // namespace cli
