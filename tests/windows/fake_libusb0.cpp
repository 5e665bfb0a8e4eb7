// A stand-in for libusb-win32's libusb0.dll, for the USB scan's test under Wine: one bus with
// another maker's device and then the camera (070A:4026), in the library's own record layout;
// built with FAKE_LIBUSB0_WITHOUT_CAMERA, the other device alone, as for a camera that Windows
// gave another driver.
#include <cstdint>
#include <cstring>

namespace {

constexpr int kPathMax = 512;

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
    uint16_t bcdDevice;
    uint8_t iManufacturer;
    uint8_t iProduct;
    uint8_t iSerialNumber;
    uint8_t bNumConfigurations;
};

struct Bus;

struct Device {
    Device* next;
    Device* prev;
    char filename[kPathMax];
    Bus* bus;
    DeviceDescriptor descriptor;
    void* config;
    void* dev;
    unsigned char devnum;
    unsigned char num_children;
    Device** children;
};

struct Bus {
    Bus* next;
    Bus* prev;
    char dirname[kPathMax];
    Device* devices;
    unsigned long location;
    Device* root_dev;
};

Bus bus{};
Device keyboard{};
Device camera{};

}  // namespace

extern "C" {

__declspec(dllexport) void usb_init() {
    // Another maker's device with the camera's product number: the vendor must match too.
    keyboard.descriptor.idVendor = 0x046D;
    keyboard.descriptor.idProduct = 0x4026;
    camera.descriptor.idVendor = 0x070A;
    camera.descriptor.idProduct = 0x4026;
    std::strcpy(bus.dirname, "bus-0");
    std::strcpy(keyboard.filename, "\\\\.\\libusb0-0001--0x046d-0x4026");
    std::strcpy(camera.filename, "\\\\.\\libusb0-0002--0x070a-0x4026");
#ifndef FAKE_LIBUSB0_WITHOUT_CAMERA
    keyboard.next = &camera;
    camera.prev = &keyboard;
#endif
    keyboard.bus = camera.bus = &bus;
    bus.devices = &keyboard;
}

__declspec(dllexport) int usb_find_busses() {
    return 1;
}

// As on a first scan: both devices are new.
__declspec(dllexport) int usb_find_devices() {
    return 2;
}

__declspec(dllexport) Bus* usb_get_busses() {
    return &bus;
}
}
