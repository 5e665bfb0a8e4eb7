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
    // The lists a change names go back with their wanted positions; every other byte as read.
    GroupWrite write(const GroupWriteRequest& request) override;

  private:
    const CatalogueRow& rowOf(MenuField field) const;

    RecordingSettings recording_;
    std::vector<const CatalogueRow*> lists_;
};

}  // namespace camera
