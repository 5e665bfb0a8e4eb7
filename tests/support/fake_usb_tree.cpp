#include "fake_usb_tree.h"

#include <array>
#include <cstring>
#include <fstream>

namespace testing_support {

// The device descriptor (its words in host order, as the kernel gives them), then one
// configuration with one interface and no endpoints. A configuration without interfaces would
// make libusb read past an allocation.
void addDevice(const std::filesystem::path& tree, const std::string& bus, const std::string& device,
               uint16_t vendor, uint16_t product) {
    std::array<uint8_t, 36> file = {
        18, 1, 0,  0, 0, 0,    0, 64,   0,  0, 0, 0, 0, 1, 0, 0, 0, 1,  // device
        9,  2, 18, 0, 1, 1,    0, 0x80, 50,                             // configuration
        9,  4, 0,  0, 0, 0xFF, 0, 0,    0,                              // interface
    };
    const uint16_t words[] = {0x0200, vendor, product, 0x0100};  // bcdUSB to bcdDevice
    std::memcpy(&file[2], &words[0], 2);
    std::memcpy(&file[8], &words[1], 6);
    std::filesystem::create_directories(tree / bus);
    std::ofstream(tree / bus / device, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), file.size());
}

}  // namespace testing_support
