#include "usb_scan.h"

#include <usb.h>

#include <cstdio>

namespace camera {
namespace {

constexpr uint16_t kCameraVendor = 0x070A;
constexpr uint16_t kCameraProduct = 0x4026;

}  // namespace

int32_t scanForCameras() {
    usb_init();
    usb_find_busses();
    int32_t counter = usb_find_devices();
    for (usb_bus* bus = usb_get_busses(); bus != nullptr; bus = bus->next) {
        // libusb also has a function named usb_device, hence the "struct".
        for (struct usb_device* device = bus->devices; device != nullptr; device = device->next) {
            if (device->descriptor.idVendor == kCameraVendor &&
                device->descriptor.idProduct == kCameraProduct) {
                ++counter;
                std::printf("find amba dev:%d\n", counter);
                // The program may end by a signal, which would lose buffered lines.
                std::fflush(stdout);
            }
        }
    }
    return counter;
}

}  // namespace camera
