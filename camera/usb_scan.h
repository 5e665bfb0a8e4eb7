#pragma once

#include <cstdint>

namespace camera {

// Looks for the camera on the USB buses through libusb and writes "find amba dev:N" to the
// standard output for each one found, flushed at once. The count starts at what libusb reports as
// changed since its previous scan in this process, so N is not a camera count; the login window
// ignores the result.
int32_t scanForCameras();

}  // namespace camera
