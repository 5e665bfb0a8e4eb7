#include "network_model_group.h"

#include <string>

#include "setting_keys.h"

namespace camera {
namespace {

bool readText(SettingValues& values, std::string_view key, const std::optional<ApnText>& text) {
    if (text) {
        values[std::string(key)] = {.text = platform::toUtf8KeepingBytes(text->text()),
                                    .sound = text->terminated()};
    }
    return text.has_value();
}

}  // namespace

NetworkModelGroup::NetworkModelGroup(CameraLibrary& camera, const CameraModel& model)
    : network_(camera), wifiMode_(model.rowAt(keys::kWifiMode)) {
    for (const auto& row : model.catalogue) {
        // The two APN texts travel apart from the record.
        if (row.group == SettingGroup::network && row.slot >= 0) {
            recordTexts_.emplace_back(row.key, static_cast<NetworkText>(row.slot));
        }
    }
}

std::optional<int> NetworkModelGroup::readRecord(SettingValues& values) {
    const auto record = network_.readRecord();
    if (!record) {
        return std::nullopt;
    }
    for (const auto& [key, text] : recordTexts_) {
        auto& value = values[std::string(key)];
        value.text = platform::toUtf8KeepingBytes(record->text(text));
        value.sound = record->terminated(text);
    }
    stationRead_ = record->wifiStationPosition();
    return stationRead_;
}

bool NetworkModelGroup::readApnUser(SettingValues& values) {
    return readText(values, keys::kApnUser, network_.readApnUser());
}

bool NetworkModelGroup::readApnPassword(SettingValues& values) {
    return readText(values, keys::kApnPassword, network_.readApnPassword());
}

bool NetworkModelGroup::read(SettingValues& values) {
    const bool record = readRecord(values).has_value();
    const bool apnUser = readApnUser(values);
    const bool apnPassword = readApnPassword(values);
    return record && apnUser && apnPassword;
}

bool NetworkModelGroup::write(const SettingValues& values, std::optional<int> wifiPick) {
    NetworkValues texts;
    for (const auto& [key, text] : recordTexts_) {
        texts.record[static_cast<std::size_t>(text)] = textOf(values, key);
    }
    texts.apnUser = textOf(values, keys::kApnUser);
    texts.apnPassword = textOf(values, keys::kApnPassword);
    return network_.write(texts, wifiPick);
}

GroupWrite NetworkModelGroup::write(const GroupWriteRequest& request) {
    return {.written = write(request.wanted, wifiPick(request))};
}

// The record's Wi-Fi station byte follows the WIFI list of the menu when a change names it.
std::optional<int> NetworkModelGroup::wifiPick(const GroupWriteRequest& request) {
    return request.changes(keys::kWifiMode) ? std::optional(request.position(keys::kWifiMode))
                                            : std::nullopt;
}

std::vector<std::string> NetworkModelGroup::alsoChanges(const GroupWriteRequest& request) const {
    const auto pick = wifiPick(request);
    NetworkRecord sent;
    sent.setWifiStationFromWifiSelection(pick.value_or(-1));
    if (!pick || !stationRead_ || *stationRead_ == sent.wifiStationPosition()) {
        return {};
    }
    return {"the network record's Wi-Fi station byte: " + std::to_string(*stationRead_) + " -> " +
            std::to_string(sent.wifiStationPosition()) + " (it follows " +
            std::string(groupName(wifiMode_.group)) + "." + std::string(wifiMode_.key) + ")"};
}

}  // namespace camera
