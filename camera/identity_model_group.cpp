#include "identity_model_group.h"

#include "setting_keys.h"

namespace camera {

IdentityModelGroup::IdentityModelGroup(CameraLibrary& camera, Session& session, LastRead& lastRead,
                                       const CameraModel& model)
    : identity_(camera, session, lastRead, model.officerIdWidth),
      serialNumber_(camera),
      readsSerialNumber_(model.readsSerialNumber) {}

bool IdentityModelGroup::readIdentity(SettingValues& values, bool needsFlagOne) {
    const auto reading = identity_.read(needsFlagOne);
    if (reading.identity) {
        values[std::string(keys::kDeviceId)].text =
            platform::toUtf8KeepingBytes(reading.identity->deviceId);
        values[std::string(keys::kOfficerId)].text =
            platform::toUtf8KeepingBytes(reading.identity->officerId);
    }
    return reading.succeeded;
}

bool IdentityModelGroup::readSerialNumber(SettingValues& values) {
    const auto serialNumber = serialNumber_.readAtSetUp();
    if (serialNumber) {
        values[std::string(keys::kSerialNumber)].text = platform::toUtf8KeepingBytes(*serialNumber);
    }
    return serialNumber.has_value();
}

bool IdentityModelGroup::read(SettingValues& values) {
    const bool identity = readIdentity(values, false);
    if (!readsSerialNumber_) {
        return identity;
    }
    const bool serialNumber = readSerialNumber(values);
    return identity && serialNumber;
}

WriteOutcome IdentityModelGroup::writeIdentity(const SettingValues& values) {
    return identity_.write(textOf(values, keys::kDeviceId), textOf(values, keys::kOfficerId));
}

WriteOutcome IdentityModelGroup::writeSerialNumber(const SettingValues& values) {
    return serialNumber_.write(textOf(values, keys::kSerialNumber));
}

GroupWrite IdentityModelGroup::write(const GroupWriteRequest& request) {
    if (request.changes(keys::kDeviceId) || request.changes(keys::kOfficerId)) {
        if (writeIdentity(request.wanted) != WriteOutcome::written) {
            return {};
        }
    }
    if (readsSerialNumber_ && request.changes(keys::kSerialNumber)) {
        return {.written = writeSerialNumber(request.wanted) == WriteOutcome::written};
    }
    return {.written = true};
}

}  // namespace camera
