#pragma once

#include "camera_library.h"
#include "catalogue.h"

namespace camera {

// The other model whose menu record the camera hands over, when a read with the size of `chosen`
// failed; none when no other size answers either. It only reads: a Get of each other model's
// size into a zeroed buffer as large as the largest record any model has.
const CameraModel* modelAnsweringMenuRead(CameraLibrary& camera, const CameraModel& chosen);

}  // namespace camera
