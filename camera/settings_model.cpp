#include "settings_model.h"

#include <algorithm>
#include <iterator>

#include "common_menu_model_group.h"
#include "device_actions.h"
#include "identity_model_group.h"
#include "menu_record_probe.h"
#include "network_model_group.h"
#include "setting_keys.h"
#include "stc_menu_model_group.h"

namespace camera {

SettingsModel::SettingsModel(CameraLibrary& camera, Session& session, const CameraModel& model)
    : model_(model), session_(session), calls_(camera, failures_) {
    groups_.emplace_back(SettingGroup::identity,
                         std::make_unique<IdentityModelGroup>(calls_, session_, lastRead_, model));
    groups_.emplace_back(SettingGroup::network, std::make_unique<NetworkModelGroup>(calls_, model));
    if (model.usesLongMenuRecord()) {
        groups_.emplace_back(SettingGroup::recording,
                             std::make_unique<StcMenuModelGroup>(calls_, session_, model));
    } else {
        groups_.emplace_back(SettingGroup::recording, std::make_unique<CommonMenuModelGroup>(
                                                          calls_, session_, lastRead_, model));
    }
}

std::vector<ReadFailure> SettingsModel::read() {
    std::vector<ReadFailure> failures;
    failures_.takeFailures();
    for (const auto& [group, modelGroup] : groups_) {
        if (!modelGroup->read(values_)) {
            failures.push_back({.group = group, .failedCalls = failures_.takeFailures()});
            if (group == SettingGroup::recording) {
                failures.back().answeringModel = modelAnsweringMenuRead(calls_, model_);
                // A probe that failed names no call the reading asked for.
                failures_.takeFailures();
            }
        }
    }
    DeviceActions device(calls_, session_);
    const auto readStatus = [&](std::string_view key, std::optional<std::u16string> text) {
        if (text) {
            values_[std::string(key)].text = platform::toUtf8KeepingBytes(*text);
        } else {
            failures.push_back({.group = SettingGroup::status,
                                .row = model_.row(key),
                                .failedCalls = failures_.takeFailures()});
        }
    };
    readStatus(keys::kFirmware, device.firmwareVersion());
    readStatus(keys::kCard, device.cardCapacity());
    return failures;
}

CheckedChanges SettingsModel::check(const std::vector<SettingChange>& changes,
                                    bool formatCard) const {
    return checkChanges(changes, model_, values_, session_.deviceKind, formatCard);
}

bool SettingsModel::changesGroup(SettingGroup group, const SettingValues& wanted) const {
    return std::ranges::any_of(model_.catalogue, [&](const CatalogueRow& row) {
        return row.group == group &&
               values_.at(std::string(row.key)).text != wanted.at(std::string(row.key)).text;
    });
}

std::vector<std::string> SettingsModel::alsoChanges(const SettingValues& wanted) const {
    std::vector<std::string> lines;
    for (const auto& [group, modelGroup] : groups_) {
        if (changesGroup(group, wanted)) {
            std::ranges::copy(modelGroup->alsoChanges({values_, wanted}),
                              std::back_inserter(lines));
        }
    }
    return lines;
}

std::vector<GroupWriteOutcome> SettingsModel::write(const SettingValues& wanted, bool formatCard) {
    std::vector<GroupWriteOutcome> outcomes;
    failures_.takeFailures();
    bool failed = false;
    for (const auto& [group, modelGroup] : groups_) {
        if (!changesGroup(group, wanted)) {
            continue;
        }
        if (failed) {
            outcomes.push_back({.group = group});
            continue;
        }
        const GroupWrite written = modelGroup->write({values_, wanted, formatCard});
        outcomes.push_back({.group = group,
                            .attempted = true,
                            .written = written.written,
                            .cardFormatted = written.cardFormatted,
                            .failedCalls = failures_.takeFailures()});
        failed = !outcomes.back().succeeded();
    }
    return outcomes;
}

}  // namespace camera
