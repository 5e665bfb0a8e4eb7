#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace camera {

// Looks for the camera on the USB buses through libusb and writes "find amba dev:N" to the
// standard output for each one found, flushed at once. The count starts at what libusb reports as
// changed since its previous scan in this process, so N is not a camera count; the login window
// ignores the result.
int32_t scanForCameras();

// A device with the camera's vendor and product IDs, as libusb lists it.
struct UsbCamera {
    // Its device file on Linux; libusb-win32's name for it on Windows (\\.\libusb0-0001--...).
    std::string place{};
    // Why this user may not open it to read and write; empty when they may.
    std::string refusal{};
};

// What the program sees of the USB buses, through the libusb it uses.
struct UsbLook {
    // The libusb file; empty when there is none to use.
    std::string library;
    // Why the buses could not be looked at; empty when they were.
    std::string problem;
    std::vector<UsbCamera> cameras;
};

// Looks at the buses as the camera library's libusb sees them; writes nothing, claims no device.
UsbLook lookAtUsbBuses();

}  // namespace camera
