#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "setting.h"
#include "setting_group.h"
#include "stc_menu.h"

namespace cli {

// The stc model's 56-byte menu record: its 28 lists, named after their roles.
class StcMenuGroup final : public SettingGroup {
  public:
    StcMenuGroup(camera::CameraLibrary& camera, camera::Session& session)
        : menu_(camera, session) {}

    static std::vector<Setting> settings();
    // "frontCameraResolution" gives "front_camera_resolution", "cellular4g" "cellular_4g".
    static std::string snakeCase(std::string_view role);

    bool read(Values& values) override;
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::StcMenuSettings menu_;
};

}  // namespace cli
