#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library_lookup.h"
#include "usb_scan.h"

namespace cli {

// One thing a computer needs for a real camera, as doctor found it.
struct Check {
    // Its key in doctor --json: "camera_library".
    std::string_view key;
    // As doctor's line names it: "camera library".
    std::string_view title;
    bool holds = false;
    std::string found{};
    // What to do about it, when it does not hold.
    std::string advice{};
};

// The camera library: the file, its architecture and its functions.
Check libraryCheck(const camera::LibraryLookup& lookup);
// libusb, then the camera on the USB buses and whether this user may open it.
std::vector<Check> usbChecks(const camera::UsbLook& look);
// Whether the window program started in `folder` can write its Language.ini there.
Check languageFolderCheck(const std::filesystem::path& folder);
// Whether the change log can be written where it is kept, and whether its chain holds.
Check changeLogCheck();
// Whether the system log takes the change log's hashes: a line is sent to find out.
Check systemLogCheck();
// Whether the shared identity ledger the connection string names answers; the string itself,
// which may hold a password, is never shown.
Check ledgerCheck(std::string_view connectionString);

}  // namespace cli
