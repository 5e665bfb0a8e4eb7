#include "identity_model_group.h"

namespace camera {
namespace {

constexpr std::string_view kDeviceId = "device_id";
constexpr std::string_view kOfficerId = "officer_id";
constexpr std::string_view kSerialNumber = "serial_number";

}  // namespace

IdentityModelGroup::IdentityModelGroup(CameraLibrary& camera, Session& session, LastRead& lastRead,
                                       const CameraModel& model)
    : identity_(camera, session, lastRead, model.officerIdWidth),
      serialNumber_(camera),
      readsSerialNumber_(model.readsSerialNumber) {}

bool IdentityModelGroup::read(SettingValues& values) {
    // As when the window opens: any success counts as an answer with values.
    const auto reading = identity_.read(false);
    if (reading.identity) {
        values[std::string(kDeviceId)].text = platform::toUtf8(reading.identity->deviceId);
        values[std::string(kOfficerId)].text = platform::toUtf8(reading.identity->officerId);
    }
    if (!readsSerialNumber_) {
        return reading.identity.has_value();
    }
    const auto serialNumber = serialNumber_.readAtSetUp();
    if (serialNumber) {
        values[std::string(kSerialNumber)].text = platform::toUtf8(*serialNumber);
    }
    return reading.identity && serialNumber;
}

GroupWrite IdentityModelGroup::write(const GroupWriteRequest& request) {
    if (request.changes(kDeviceId) || request.changes(kOfficerId)) {
        const auto outcome = identity_.write(request.text(kDeviceId), request.text(kOfficerId));
        if (outcome != WriteOutcome::written) {
            return {};
        }
    }
    if (readsSerialNumber_ && request.changes(kSerialNumber)) {
        return {.written =
                    serialNumber_.write(request.text(kSerialNumber)) == WriteOutcome::written};
    }
    return {.written = true};
}

}  // namespace camera
