#pragma once

#include <array>

#include "catalogue.h"
#include "model_group.h"
#include "stc_menu.h"

namespace camera {

// The stc model's 56-byte menu record: its 28 lists, by their value names.
class StcMenuModelGroup final : public ModelGroup {
  public:
    StcMenuModelGroup(CameraLibrary& camera, Session& session, const CameraModel& model);

    bool read(SettingValues& values) override;
    GroupWrite write(const GroupWriteRequest& request) override;

  private:
    StcMenuSettings menu_;
    // By slot: the list of the record each row stands for.
    std::array<const CatalogueRow*, StcMenuRecord::kListCount> lists_{};
};

}  // namespace camera
