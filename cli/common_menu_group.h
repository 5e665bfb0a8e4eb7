#pragma once

#include <vector>

#include "edition.h"
#include "recording_settings.h"
#include "setting.h"
#include "setting_group.h"

namespace cli {

// The common model's 32-byte menu record: the lists its window shows, with the entries of the
// edition that serves the model.
class CommonMenuGroup final : public SettingGroup {
  public:
    CommonMenuGroup(camera::CameraLibrary& camera, camera::Session& session,
                    const editions::Edition& edition);

    static std::vector<Setting> settings(const editions::Edition& edition);

    // The read the window makes when it opens: the four capability lists built from the masks,
    // the photo size without its top bit.
    bool read(Values& values) override;
    // Every list goes back with its wanted position; the bytes no list shows as they were read.
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::RecordingSettings recording_;
    const editions::Edition& edition_;
};

}  // namespace cli
