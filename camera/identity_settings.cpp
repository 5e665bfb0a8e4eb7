#include "identity_settings.h"

namespace camera {

IdentitySettings::IdentitySettings(CameraLibrary& camera, Session& session, LastRead& lastRead,
                                   OfficerIdWidth officerIdWidth)
    : camera_(camera), session_(session), lastRead_(lastRead), officerIdWidth_(officerIdWidth) {}

IdentitySettings::Reading IdentitySettings::read(bool needsFlagOne) {
    IdentityRecord record;
    int32_t flag = 0;
    camera_.GetZFYInfo(record.data(), session_.loginPassword.data(), &flag);
    Reading reading{.succeeded = flag != 0};
    if (needsFlagOne ? flag == 1 : flag != 0) {
        lastRead_.deviceIdLength = static_cast<int32_t>(record.deviceIdLength());
        lastRecord_ = record;
        reading.identity = Identity{record.deviceId(), record.officerId(officerIdWidth_)};
    }
    return reading;
}

WriteOutcome IdentitySettings::write(std::u16string_view deviceId, std::u16string_view officerId) {
    const auto length = static_cast<std::size_t>(lastRead_.deviceIdLength);
    if (deviceId.size() != length) {
        return WriteOutcome::refused;
    }
    IdentityRecord record;
    if (lastRecord_ && lastRecord_->deviceId() == deviceId) {
        record.copyDeviceId(*lastRecord_);
    } else {
        record.writeDeviceId(deviceId, length);
    }
    if (lastRecord_ && lastRecord_->officerId(officerIdWidth_) == officerId) {
        record.copyOfficerId(*lastRecord_, officerIdWidth_);
    } else {
        record.writeOfficerId(officerId, officerIdWidth_);
    }
    int32_t flag = 0;
    camera_.WriteZFYInfo(record.data(), session_.loginPassword.data(), &flag);
    return outcomeOf(flag);
}

}  // namespace camera
