#pragma once

#include <vector>

#include "edition.h"
#include "network_settings.h"
#include "setting.h"
#include "setting_group.h"

namespace cli {

// The Wi-Fi, 4G and server texts: the network record and the two APN texts.
class NetworkGroup final : public SettingGroup {
  public:
    explicit NetworkGroup(camera::CameraLibrary& camera) : network_(camera) {}

    static std::vector<Setting> settings(const editions::Edition& edition);

    bool read(Values& values) override;
    // The APN texts first, then the record, as the window sends them.
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::NetworkSettings network_;
};

}  // namespace cli
