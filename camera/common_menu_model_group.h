#pragma once

#include <vector>

#include "catalogue.h"
#include "model_group.h"
#include "recording_settings.h"

namespace camera {

// The common model's 32-byte menu record: its lists, by their value names.
class CommonMenuModelGroup final : public ModelGroup {
  public:
    CommonMenuModelGroup(CameraLibrary& camera, Session& session, LastRead& lastRead,
                         const CameraModel& model);

    // The read the window makes when it opens: the four capability lists built from the masks,
    // the photo size without its top bit.
    bool read(SettingValues& values) override;
    // Every list goes back with its wanted position; the bytes no list shows as they were read.
    GroupWrite write(const GroupWriteRequest& request) override;

  private:
    const CatalogueRow& rowOf(MenuField field) const;

    RecordingSettings recording_;
    std::vector<const CatalogueRow*> lists_;
};

}  // namespace camera
