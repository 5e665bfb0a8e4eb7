#include "identity_group.h"

#include "setting_table.h"

namespace cli {
namespace {

constexpr std::string_view kOfficerId = "identity.officer_id";
constexpr std::string_view kSerialNumber = "identity.serial_number";

}  // namespace

// The command line keeps a session of its own, so any edition's slot in it serves.
IdentityGroup::IdentityGroup(camera::CameraLibrary& camera, camera::Session& session,
                             const camera::CameraModel& model)
    : identity_(camera, session, 0, model.officerIdWidth),
      serialNumber_(camera),
      readsSerialNumber_(model.readsSerialNumber) {}

bool IdentityGroup::read(Values& values) {
    // As when the window opens: any success counts as an answer with values.
    const auto reading = identity_.read(false);
    if (reading.identity) {
        values[std::string(kDeviceIdName)].text = platform::toUtf8(reading.identity->deviceId);
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

GroupWrite IdentityGroup::write(const WriteRequest& request) {
    if (request.changes(kDeviceIdName) || request.changes(kOfficerId)) {
        const auto outcome = identity_.write(request.text(kDeviceIdName), request.text(kOfficerId));
        if (outcome != camera::WriteOutcome::written) {
            return {};
        }
    }
    if (readsSerialNumber_ && request.changes(kSerialNumber)) {
        return {.written = serialNumber_.write(request.text(kSerialNumber)) ==
                           camera::WriteOutcome::written};
    }
    return {.written = true};
}

}  // namespace cli
