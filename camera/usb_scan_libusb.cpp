#include "usb_scan.h"

#include <dlfcn.h>
#include <usb.h>

#include <cstdlib>
#include <filesystem>

#include "access_check.h"
#include "usb_bus_walk.h"

namespace camera {
namespace {

// The folder of the devices' files that libusb 0.1 reads, chosen as it chooses: the one
// USB_DEVFS_PATH names, else /dev/bus/usb, else /proc/bus/usb, the first that has an entry.
std::filesystem::path deviceFolder() {
    const auto hasEntry = [](const std::filesystem::path& folder) {
        std::error_code error;
        const std::filesystem::directory_iterator entries(folder, error);
        return !error && entries != std::filesystem::directory_iterator();
    };
    if (const char* named = std::getenv("USB_DEVFS_PATH"); named != nullptr && hasEntry(named)) {
        return named;
    }
    return hasEntry("/dev/bus/usb") ? "/dev/bus/usb" : "/proc/bus/usb";
}

}  // namespace

int32_t scanForCameras() {
    usb_init();
    usb_find_busses();
    const int32_t changed = usb_find_devices();
    return announceCameras(usb_get_busses(), changed);
}

UsbLook lookAtUsbBuses() {
    UsbLook look;
    Dl_info library{};
    look.library =
        ::dladdr(reinterpret_cast<void*>(&usb_init), &library) != 0 && library.dli_fname != nullptr
            ? library.dli_fname
            : "libusb 0.1";
    usb_init();
    usb_find_busses();
    usb_find_devices();
    const auto folder = deviceFolder();
    forEachCamera(usb_get_busses(), [&](const auto& bus, const auto& device) {
        const auto file = folder / bus.dirname / device.filename;
        look.cameras.push_back(
            {.place = file.string(), .refusal = platform::readWriteRefusal(file).value_or("")});
    });
    return look;
}

}  // namespace camera
