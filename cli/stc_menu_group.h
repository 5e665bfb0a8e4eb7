#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "setting.h"
#include "setting_group.h"
#include "stc_menu.h"

namespace cli {

// The stc model's 56-byte menu record: its 28 lists, by their value names.
class StcMenuGroup final : public SettingGroup {
  public:
    StcMenuGroup(camera::CameraLibrary& camera, camera::Session& session,
                 const camera::CameraModel& model);

    bool read(Values& values) override;
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::StcMenuSettings menu_;
    // In menu order, as the record holds them.
    std::vector<Setting> lists_;
};

}  // namespace cli
