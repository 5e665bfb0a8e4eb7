#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace testing_support {

constexpr uint16_t kCameraVendor = 0x070A;
constexpr uint16_t kCameraProduct = 0x4026;

// Adds a device file to a fake USB device file system, which libusb 0.1 reads from the folder
// named by USB_DEVFS_PATH. Bus folder names must end in a digit.
void addDevice(const std::filesystem::path& tree, const std::string& bus, const std::string& device,
               uint16_t vendor, uint16_t product);

}  // namespace testing_support
