#pragma once

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "call_log.h"
#include "catalogue.h"
#include "change_check.h"
#include "model_group.h"
#include "observed_camera_library.h"
#include "session.h"
#include "setting_value.h"

namespace camera {

// A read that failed: a whole group, or one status text, and the calls the camera failed.
struct ReadFailure {
    SettingGroup group;
    // The status text not read; none for a group.
    const CatalogueRow* row = nullptr;
    std::vector<std::string_view> failedCalls{};
    // For the menu: the other model whose record size the camera answers, when one does.
    const CameraModel* answeringModel = nullptr;
};

// How writing one changed group ended.
struct GroupWriteOutcome {
    SettingGroup group;
    // False when an earlier group failed, so that this one was not tried.
    bool attempted = false;
    bool written = false;
    bool cardFormatted = false;
    // Also those after the group's own write succeeded: the APN texts, the card format, the
    // menu's second write.
    std::vector<std::string_view> failedCalls{};

    bool succeeded() const { return written && failedCalls.empty(); }
};

// A logged-in camera's settings, keyed by catalogue row: every group read as the settings window
// reads it when it opens, a set of changes checked against those values, and the changed groups
// written back in order.
class SettingsModel {
  public:
    SettingsModel(CameraLibrary& camera, Session& session, const CameraModel& model);

    // Every group and the two status texts; nothing when all were read. A failed menu read is
    // followed by reads of the other models' record sizes, which tell a camera of another model.
    std::vector<ReadFailure> read();
    const SettingValues& values() const { return values_; }

    CheckedChanges check(const std::vector<SettingChange>& changes, bool formatCard) const;

    // Writes each group in which `wanted` differs from what was read: identity, then network,
    // then the menu, stopping at the first that fails, so that a failed write never reaches the
    // memory card's format. One outcome per changed group, in that order.
    std::vector<GroupWriteOutcome> write(const SettingValues& wanted, bool formatCard);
    // What writing `wanted` would change besides its settings, group by group.
    std::vector<std::string> alsoChanges(const SettingValues& wanted) const;

  private:
    bool changesGroup(SettingGroup group, const SettingValues& wanted) const;

    const CameraModel& model_;
    Session& session_;
    LastRead lastRead_;
    CallLog failures_;
    // The camera as the groups use it, noting every failed call.
    ObservedCameraLibrary calls_;
    std::vector<std::pair<SettingGroup, std::unique_ptr<ModelGroup>>> groups_;
    SettingValues values_;
};

}  // namespace camera
