#include "network_group.h"

#include <array>
#include <optional>
#include <string_view>
#include "settings_layout.h"

namespace cli {
namespace {

using camera::NetworkText;

struct NetworkField {
    std::string_view name;
    std::string_view control;
    Privacy privacy;
    // Nothing for the two APN texts, which travel apart from the record.
    std::optional<NetworkText> recordField;
};

constexpr std::string_view kApnUser = "network.apn_user";
constexpr std::string_view kApnPassword = "network.apn_password";
// The record's Wi-Fi station byte follows the WIFI list of the menu, as in the window.
constexpr std::string_view kWifiList = "recording.wifi_mode";

constexpr std::array<NetworkField, 8> kFields{{
    {"network.ssid", "ssidEdit", Privacy::shared, NetworkText::ssid},
    {"network.wifi_password", "wifiPasswordEdit", Privacy::secret, NetworkText::wifi_password},
    {"network.apn", "apnEdit", Privacy::shared, NetworkText::apn},
    {"network.pin", "pinEdit", Privacy::secret, NetworkText::pin_4g},
    {kApnUser, "apnUserEdit", Privacy::shared, std::nullopt},
    {kApnPassword, "apnPasswordEdit", Privacy::secret, std::nullopt},
    {"network.server_ip", "serverIpEdit", Privacy::shared, NetworkText::server_ip},
    {"network.server_port", "serverPortEdit", Privacy::shared, NetworkText::server_port},
}};

}  // namespace

std::vector<Setting> NetworkGroup::settings(const editions::Edition& edition) {
    std::vector<Setting> settings;
    for (const auto& field : kFields) {
        settings.push_back(
            {.name = std::string(field.name),
             .group = Group::network,
             .limit = static_cast<std::size_t>(editions::typingLimit(edition, field.control, 0)),
             .privacy = field.privacy,
             .control = std::string(field.control)});
    }
    return settings;
}

bool NetworkGroup::read(Values& values) {
    const auto record = network_.readRecord();
    if (record) {
        for (const auto& field : kFields) {
            if (field.recordField) {
                values[std::string(field.name)].text =
                    platform::toUtf8(record->text(*field.recordField));
            }
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
    for (const auto& field : kFields) {
        if (field.recordField) {
            values.record[static_cast<std::size_t>(*field.recordField)] = request.text(field.name);
        }
    }
    values.apnUser = request.text(kApnUser);
    values.apnPassword = request.text(kApnPassword);
    return {.written = network_.write(values, request.position(kWifiList))};
}

}  // namespace cli
