#include "menu_record_probe.h"

#include <algorithm>
#include <vector>

namespace camera {

const CameraModel* modelAnsweringMenuRead(CameraLibrary& camera, const CameraModel& chosen) {
    const auto models = cameraModels();
    // Room for any model's record, so that a library filling its camera's own record rather than
    // the size asked still writes inside the buffer.
    const auto largest = std::ranges::max(models, {}, &CameraModel::menuRecordSize);
    for (const CameraModel* model : models) {
        if (model->menuRecordSize == chosen.menuRecordSize) {
            continue;
        }
        std::vector<std::uint8_t> record(static_cast<std::size_t>(largest->menuRecordSize));
        int32_t flag = 0;
        camera.Qumat_GetMenuConfig(record.data(), model->menuRecordSize, &flag);
        if (flag != 0) {
            return model;
        }
    }
    return nullptr;
}

}  // namespace camera
