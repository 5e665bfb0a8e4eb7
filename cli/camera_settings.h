#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "call_log.h"
#include "catalogue.h"
#include "session.h"
#include "setting.h"
#include "setting_group.h"

namespace cli {

// The attached camera as the commands see it: logged in as the login window does, every group
// read as the settings window reads it when it opens, and changed groups written back.
class CameraSettings {
  public:
    CameraSettings(camera::CameraLibrary& camera, const camera::CameraModel& model);

    // Init_Device, Qumat_Login and the device kind; the reason when the camera refused.
    // `password` has the six characters the login window asks for.
    std::optional<std::string> logIn(int32_t userType, std::u16string_view password);
    int deviceKind() const { return session_.deviceKind; }

    // Every group and the two status texts; one line for each that could not be read, naming
    // the calls that failed.
    std::vector<std::string> read();
    const Values& values() const { return values_; }

    // Writes each group in which `wanted` differs from what was read: identity, then network,
    // then the menu, stopping at the first that fails, so that a failed write never reaches the
    // memory card's format. One line on `output` per group written; false when one failed.
    bool write(const Values& wanted, bool formatCard, std::ostream& output, std::ostream& errors);

  private:
    bool changesGroup(camera::SettingGroup group, const Values& wanted) const;
    void readStatus(std::string_view name, std::optional<std::u16string> text,
                    std::vector<std::string>& failures);
    // The calls failed since the last look, "A, B"; empty when none.
    std::string failedCalls();

    CallLog failures_;
    // The camera as the groups use it, noting every failed call.
    camera::ObservedCameraLibrary calls_;
    camera::Session session_;
    std::vector<Setting> table_;
    std::vector<std::pair<camera::SettingGroup, std::unique_ptr<SettingGroup>>> groups_;
    Values values_;
};

}  // namespace cli
