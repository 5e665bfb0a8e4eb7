#pragma once

#include <cstdint>
#include <cstdio>

namespace camera {

// The camera's USB vendor and product IDs.
inline constexpr uint16_t kCameraVendor = 0x070A;
inline constexpr uint16_t kCameraProduct = 0x4026;

// Gives `take` each bus and device of the camera's IDs on libusb 0.1's list of buses,
// libusb-win32's records or libusb's own.
template <typename Bus, typename Take>
void forEachCamera(Bus* busses, Take take) {
    for (Bus* bus = busses; bus != nullptr; bus = bus->next) {
        for (auto* device = bus->devices; device != nullptr; device = device->next) {
            if (device->descriptor.idVendor == kCameraVendor &&
                device->descriptor.idProduct == kCameraProduct) {
                take(*bus, *device);
            }
        }
    }
}

// Writes "find amba dev:N" for each camera on the list, counting on from `counter`; returns the
// count.
template <typename Bus>
int32_t announceCameras(Bus* busses, int32_t counter) {
    forEachCamera(busses, [&counter](const auto&, const auto&) {
        ++counter;
        std::printf("find amba dev:%d\n", counter);
        // The program may end by a signal, which would lose buffered lines.
        std::fflush(stdout);
    });
    return counter;
}

}  // namespace camera
