#include "identity_group.h"

#include "settings_layout.h"

namespace cli {
namespace {

constexpr std::string_view kOfficerId = "identity.officer_id";
constexpr std::string_view kSerialNumber = "identity.serial_number";
Setting identitySetting(const editions::Edition& edition, std::string_view name,
                        std::string_view control) {
    return {.name = std::string(name),
            .group = Group::identity,
            .limit = static_cast<std::size_t>(editions::typingLimit(edition, control, 0)),
            .privacy = Privacy::perCamera,
            .control = std::string(control)};
}

}  // namespace

IdentityGroup::IdentityGroup(camera::CameraLibrary& camera, camera::Session& session,
                             const editions::Edition& edition)
    : identity_(camera, session, edition.index, edition.officerIdWidth),
      serialNumber_(camera),
      readsSerialNumber_(edition.readsSerialNumber) {}

std::vector<Setting> IdentityGroup::settings(const editions::Edition& edition) {
    std::vector<Setting> settings{identitySetting(edition, kDeviceIdName, "deviceIdEdit"),
                                  identitySetting(edition, kOfficerId, "officerIdEdit")};
    if (edition.readsSerialNumber) {
        settings.push_back(identitySetting(edition, kSerialNumber, "serialNumberEdit"));
    }
    return settings;
}

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
