#pragma once

#include <vector>

#include "catalogue.h"
#include "network_settings.h"
#include "setting_group.h"

namespace cli {

// The Wi-Fi, 4G and server texts: the network record and the two APN texts.
class NetworkGroup final : public SettingGroup {
  public:
    NetworkGroup(camera::CameraLibrary& camera, const camera::CameraModel& model);

    bool read(Values& values) override;
    // The APN texts first, then the record, as the window sends them.
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::NetworkSettings network_;
    // The model's network rows that live in the network record, and their names.
    std::vector<std::pair<std::string, camera::NetworkText>> recordTexts_;
};

}  // namespace cli
