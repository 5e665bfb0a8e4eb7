#include <windows.h>

#include <string>

#include "usb_bus_walk.h"
#include "usb_scan.h"
#include "utf8.h"

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

// libusb-win32's functions that list the buses.
struct Libusb {
    HMODULE library = nullptr;
    void (*init)() = nullptr;
    int (*findBusses)() = nullptr;
    int (*findDevices)() = nullptr;
    Bus* (*busses)() = nullptr;

    bool complete() const {
        return init != nullptr && findBusses != nullptr && findDevices != nullptr &&
               busses != nullptr;
    }
};

// libusb-win32 is loaded when it is first needed: a computer without its driver package still
// runs the program, with no scan. The first answer stands for the whole run, as a loaded library
// stays loaded, so that a computer without it does not search the path at every login window.
const Libusb& libusb() {
    static const Libusb loaded = [] {
        Libusb functions;
        functions.library = LoadLibraryW(L"libusb0.dll");
        if (functions.library != nullptr) {
            functions.init = function<void()>(functions.library, "usb_init");
            functions.findBusses = function<int()>(functions.library, "usb_find_busses");
            functions.findDevices = function<int()>(functions.library, "usb_find_devices");
            functions.busses = function<Bus*()>(functions.library, "usb_get_busses");
        }
        return functions;
    }();
    return loaded;
}

std::string fileOf(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path.empty() ? "libusb0.dll"
                        : platform::toUtf8(std::u16string(path.begin(), path.end()));
}

}  // namespace

int32_t scanForCameras() {
    const Libusb& usb = libusb();
    if (!usb.complete()) {
        return 0;
    }
    usb.init();
    usb.findBusses();
    const int32_t changed = usb.findDevices();
    return announceCameras(usb.busses(), changed);
}

// Only a device that libusb-win32's driver, libusb0.sys, serves is on its list: a camera there is
// one the camera library can reach, for any user.
UsbLook lookAtUsbBuses() {
    const Libusb& usb = libusb();
    UsbLook look;
    if (usb.library == nullptr) {
        look.problem = "libusb0.dll was not found on the library search path";
        return look;
    }
    look.library = fileOf(usb.library);
    if (!usb.complete()) {
        look.problem = look.library + " lacks libusb-win32's functions";
        return look;
    }
    usb.init();
    usb.findBusses();
    usb.findDevices();
    forEachCamera(usb.busses(), [&look](const Bus&, const Device& device) {
        look.cameras.push_back({.place = device.filename});
    });
    return look;
}

}  // namespace camera
