#include "camera_settings.h"

#include <algorithm>

#include "camera_login.h"
#include "common_menu_group.h"
#include "device_actions.h"
#include "identity_group.h"
#include "network_group.h"
#include "setting_table.h"
#include "stc_menu_group.h"

namespace cli {
CameraSettings::CameraSettings(camera::CameraLibrary& camera, const camera::CameraModel& model)
    : calls_(camera, failures_), table_(settingTable(model)) {
    using camera::SettingGroup;
    groups_.emplace_back(SettingGroup::identity,
                         std::make_unique<IdentityGroup>(calls_, session_, model));
    groups_.emplace_back(SettingGroup::network, std::make_unique<NetworkGroup>(calls_, model));
    if (model.menuRecordSize == camera::MenuRecord::kSize) {
        groups_.emplace_back(SettingGroup::recording,
                             std::make_unique<CommonMenuGroup>(calls_, session_, model));
    } else {
        groups_.emplace_back(SettingGroup::recording,
                             std::make_unique<StcMenuGroup>(calls_, session_, model));
    }
}

std::optional<std::string> CameraSettings::logIn(int32_t userType, std::u16string_view password) {
    camera::CameraLogin login(calls_, session_);
    if (!login.connect()) {
        return "no camera answered: Init_Device failed";
    }
    // The user type goes to the password calls; the login itself takes 0.
    session_.userType = userType;
    if (!login.logIn(password)) {
        return "the camera refused the password: Qumat_Login failed";
    }
    if (!login.learnDeviceKind()) {
        return "Qumat_Get4GDevOrNot answered " + std::to_string(login.deviceAnswer()) +
               ", which is no device kind (1 to 3)";
    }
    return std::nullopt;
}

std::string CameraSettings::failedCalls() {
    std::string text;
    for (const auto call : failures_.takeFailures()) {
        text += (text.empty() ? "" : ", ") + std::string(call);
    }
    return text;
}

void CameraSettings::readStatus(std::string_view name, std::optional<std::u16string> text,
                                std::vector<std::string>& failures) {
    if (text) {
        values_[std::string(name)].text = platform::toUtf8(*text);
    } else {
        failures.push_back(std::string(name) + " not read: " + failedCalls() + " failed");
    }
}

std::vector<std::string> CameraSettings::read() {
    std::vector<std::string> failures;
    failures_.takeFailures();
    for (const auto& [group, settingGroup] : groups_) {
        if (!settingGroup->read(values_)) {
            failures.push_back(std::string(camera::groupName(group)) +
                               " not read: " + failedCalls() + " failed");
        }
    }
    camera::DeviceActions device(calls_, session_);
    readStatus(kFirmwareName, device.firmwareVersion(), failures);
    readStatus(kCardName, device.cardCapacity(), failures);
    return failures;
}

bool CameraSettings::changesGroup(camera::SettingGroup group, const Values& wanted) const {
    return std::ranges::any_of(table_, [&](const Setting& setting) {
        return setting.group() == group &&
               values_.at(setting.name).text != wanted.at(setting.name).text;
    });
}

bool CameraSettings::write(const Values& wanted, bool formatCard, std::ostream& output,
                           std::ostream& errors) {
    failures_.takeFailures();
    for (auto current = groups_.begin(); current != groups_.end(); ++current) {
        const auto& [group, settingGroup] = *current;
        if (!changesGroup(group, wanted)) {
            continue;
        }
        const GroupWrite outcome = settingGroup->write({values_, wanted, formatCard});
        const std::string failed = failedCalls();
        if (outcome.written && failed.empty()) {
            output << camera::groupName(group) << ": written"
                   << (outcome.cardFormatted ? ", memory card formatted" : "") << '\n';
            continue;
        }
        // The APN texts, the card format and the menu's second write may fail after the
        // group's own write succeeded.
        const std::string what = outcome.written  ? "written, but " + failed + " failed"
                                 : failed.empty() ? "not written"
                                                  : "not written: " + failed + " failed";
        errors << "qumat_pro: " << camera::groupName(group) << ": " << what << '\n';
        for (auto later = std::next(current); later != groups_.end(); ++later) {
            if (changesGroup(later->first, wanted)) {
                errors << "qumat_pro: " << camera::groupName(later->first) << ": not written\n";
            }
        }
        return false;
    }
    return true;
}

}  // namespace cli
