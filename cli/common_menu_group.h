#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "recording_settings.h"
#include "setting.h"
#include "setting_group.h"

namespace cli {

// The common model's 32-byte menu record: its lists, by their value names.
class CommonMenuGroup final : public SettingGroup {
  public:
    CommonMenuGroup(camera::CameraLibrary& camera, camera::Session& session,
                    const camera::CameraModel& model);

    // The read the window makes when it opens: the four capability lists built from the masks,
    // the photo size without its top bit.
    bool read(Values& values) override;
    // Every list goes back with its wanted position; the bytes no list shows as they were read.
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::RecordingSettings recording_;
    std::vector<Setting> lists_;
    camera::CapabilityLabels valueNames_;
};

}  // namespace cli
