#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "model_group.h"
#include "network_settings.h"

namespace camera {

// The Wi-Fi, 4G and server texts: the network record and the two APN texts.
class NetworkModelGroup final : public ModelGroup {
  public:
    NetworkModelGroup(CameraLibrary& camera, const CameraModel& model);

    bool read(SettingValues& values) override;
    // The APN texts first, then the record, as the window sends them.
    GroupWrite write(const GroupWriteRequest& request) override;

  private:
    NetworkSettings network_;
    // The model's network rows that live in the network record, by key.
    std::vector<std::pair<std::string_view, NetworkText>> recordTexts_;
};

}  // namespace camera
