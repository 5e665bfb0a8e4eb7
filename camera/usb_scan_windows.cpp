#include <windows.h>

#include "usb_bus_walk.h"
#include "usb_scan.h"

namespace camera {
namespace {

// libusb-win32's own records, as its header lays them out; only the fields up to the product
// identifier are read.
constexpr std::size_t kPathMax = 512;

struct DeviceDescriptor {
    uint8_t bLength;
    uint8_t bDescriptorType;
    uint16_t bcdUSB;
    uint8_t bDeviceClass;
    uint8_t bDeviceSubClass;
    uint8_t bDeviceProtocol;
    uint8_t bMaxPacketSize0;
    uint16_t idVendor;
    uint16_t idProduct;
};

struct Bus;

struct Device {
    Device* next;
    Device* prev;
    char filename[kPathMax];
    Bus* bus;
    DeviceDescriptor descriptor;
};

struct Bus {
    Bus* next;
    Bus* prev;
    char dirname[kPathMax];
    Device* devices;
};

template <typename Function>
Function* function(HMODULE library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

// libusb-win32 is loaded when the first scan runs: a computer without its driver package still
// runs the program, with no scan. The first answer stands for the whole run, as a loaded library
// stays loaded, so that a computer without it does not search the path at every login window.
int32_t scanForCameras() {
    static const HMODULE library = LoadLibraryW(L"libusb0.dll");
    if (library == nullptr) {
        return 0;
    }
    auto* init = function<void()>(library, "usb_init");
    auto* findBusses = function<int()>(library, "usb_find_busses");
    auto* findDevices = function<int()>(library, "usb_find_devices");
    auto* busses = function<Bus*()>(library, "usb_get_busses");
    if (init == nullptr || findBusses == nullptr || findDevices == nullptr || busses == nullptr) {
        return 0;
    }
    init();
    findBusses();
    const int32_t changed = findDevices();
    return announceCameras(busses(), changed);
}

}  // namespace camera
