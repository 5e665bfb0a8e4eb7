#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "console.h"
#include "session.h"
#include "settings_model.h"

namespace cli {

// What a read of the camera could not get.
struct ReadFailures {
    // One line per group or status text not read, naming the calls that failed.
    std::vector<std::string> lines;
    // The first call the first failure names.
    std::string firstCall;
    // Only status texts failed, which no command writes.
    bool statusOnly = true;

    bool empty() const { return lines.empty(); }
};

// A camera call that failed: the line that says so, and the call.
struct CallFailure {
    std::string line;
    std::string call;
};

// Prints each failure of the read before a write: one of status texts alone as a
// warning, since the write goes ahead without them. True when the command must stop.
bool stopsWrite(const ReadFailures& failures, Console& console);

// The attached camera as the commands see it: logged in as the login window does, and its
// settings model, whose outcomes come back here as the command line words them.
class CameraSettings {
  public:
    CameraSettings(camera::CameraLibrary& camera, const camera::CameraModel& model);

    // Init_Device, Qumat_Login and the device kind; what failed when the camera refused.
    // `password` has the six characters the login window asks for.
    std::optional<CallFailure> logIn(int32_t userType, std::u16string_view password);
    int deviceKind() const { return session_.deviceKind; }

    // Every group and the two status texts. A failed menu read says which model the camera looks
    // like when it answers a read of another model's record size.
    ReadFailures read();
    const camera::SettingValues& values() const { return model_.values(); }
    camera::CheckedChanges check(const std::vector<camera::SettingChange>& changes,
                                 bool formatCard) const {
        return model_.check(changes, formatCard);
    }
    std::vector<std::string> alsoChanges(const camera::SettingValues& wanted) const {
        return model_.alsoChanges(wanted);
    }

    // Writes the changed groups; one line per group written unless `quiet`, one error per group
    // that failed, which it also returns: none when all were written. `lastCallUnsent` tells
    // whether the call a write stopped at was kept from the camera, never made.
    std::vector<std::string> write(const camera::SettingValues& wanted, bool formatCard, bool quiet,
                                   Console& console, const std::function<bool()>& lastCallUnsent);
    // Reads the camera again after a write and names each of `changed` that it does not hold as
    // `wanted` has it: "network.ssid: wrote Depot, camera holds FieldOffice" (a secret's values
    // only with `showSecrets`). Groups that could not be read again are named too.
    struct ReadBack {
        std::vector<std::string> differing;
        std::vector<std::string> lines;
    };
    ReadBack readBack(const camera::CheckedChanges& checked, bool showSecrets);

  private:
    camera::CameraLibrary& camera_;
    camera::Session session_;
    camera::SettingsModel model_;
};

}  // namespace cli
