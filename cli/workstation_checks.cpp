#include "workstation_checks.h"

#include <array>
#include <cstdio>

#include "access_check.h"
#include "change_log.h"
#include "database_ledger.h"
#include "environment.h"
#include "log_reading.h"
#include "system_log.h"
#include "usb_bus_walk.h"
#include "who_and_when.h"

namespace cli {
namespace {

// A file's name as UTF-8, the text of the output, on Windows too.
std::string named(const std::filesystem::path& file) {
    const auto text = file.u8string();
    return std::string(text.begin(), text.end());
}

// The window program keeps its language in the folder it is started in.
constexpr std::string_view kLanguageFile = "Language.ini";

#ifdef _WIN32
constexpr std::string_view kDriverAdvice =
    "install the camera's USB driver, libusb-win32 (libusb0.sys bound to the camera's vendor and "
    "product ID, and libusb0.dll), as the camera maker's installation brings it";
constexpr std::string_view kNoCameraAdvice =
    "connect the camera and switch it on; if it is connected, Windows gave it another driver than "
    "libusb-win32's libusb0.sys: ";
constexpr std::string_view kLanguageFolderAdvice =
    "start qumat_pro.exe in a folder this user may write: its Start-menu entry starts it in "
    "%LOCALAPPDATA%\\qumat_pro";
constexpr std::string_view kSystemLogAdvice =
    "start the Windows Event Log service, or set QUMAT_SYSTEM_LOG=off to change cameras without it";
#else
constexpr std::string_view kNoCameraAdvice = "connect the camera and switch it on";
constexpr std::string_view kLanguageFolderAdvice =
    "start qumat_pro in a folder this user may write: its menu entry starts it in "
    "~/.config/qumat_pro";
constexpr std::string_view kSystemLogAdvice =
    "start the system's log service, which takes lines on /dev/log, or set QUMAT_SYSTEM_LOG=off "
    "to change cameras without it";
constexpr std::string_view kUdevRule = "70-qumat-pro-camera.rules";

// The rule in one of the folders udev reads rules from; empty when it is in none.
std::string installedUdevRule() {
    for (const char* folder :
         {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"}) {
        const auto rule = std::filesystem::path(folder) / kUdevRule;
        std::error_code error;
        if (std::filesystem::exists(rule, error)) {
            return named(rule);
        }
    }
    return {};
}

// The device file's permissions come from udev when the camera is plugged in: its rule gives the
// camera to the user at the computer's own seat.
std::string deviceAdvice() {
    const std::string rule = installedUdevRule();
    if (rule.empty()) {
        return "install the udev rule " + std::string(kUdevRule) +
               " (the qumat-pro package does; or copy it to /etc/udev/rules.d and run udevadm "
               "control --reload-rules), then unplug the camera and plug it in again";
    }
    return "unplug the camera and plug it in again, so that the udev rule " + rule +
           " gives it to the user logged in at this computer; or join a group that may write it, "
           "and log in again";
}
#endif

std::string cameraIds() {
    std::array<char, 16> ids{};
    std::snprintf(ids.data(), ids.size(), "%04x:%04x", camera::kCameraVendor,
                  camera::kCameraProduct);
    return ids.data();
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

Check cameraCheck(const camera::UsbLook& look) {
    Check check{.key = "camera_device", .title = "camera on USB"};
    const auto& cameras = look.cameras;
    if (!look.problem.empty()) {
        check.found = "not looked for without libusb";
    } else if (cameras.empty()) {
        check.found = "no device " + cameraIds() + " on the USB buses";
        check.advice = kNoCameraAdvice;
#ifdef _WIN32
        check.advice += kDriverAdvice;
#endif
    } else if (cameras.size() > 1) {
        std::vector<std::string> places;
        for (const auto& each : cameras) {
            places.push_back(each.place);
        }
        check.found =
            std::to_string(cameras.size()) + " devices " + cameraIds() + ": " + joined(places);
        check.advice = "connect one camera at a time: the camera library serves one";
    } else if (!cameras.front().refusal.empty()) {
        check.found = cameras.front().place + " is not open to " + platform::userName() + ": " +
                      cameras.front().refusal;
#ifndef _WIN32
        check.advice = deviceAdvice();
#endif
    } else {
        check.holds = true;
#ifdef _WIN32
        check.found = cameraIds() + " at " + cameras.front().place + ", served by libusb0.sys";
#else
        check.found = cameraIds() + " at " + cameras.front().place + ", open to " +
                      platform::userName() + " to read and write";
#endif
    }
    return check;
}

// The folder a file is made in, or the nearest one above it that is there: the log makes the
// folders missing between them.
std::filesystem::path nearestFolderOf(const std::filesystem::path& file) {
    auto folder = file.parent_path();
    std::error_code error;
    while (!folder.empty() && folder != folder.parent_path() &&
           !std::filesystem::exists(folder, error)) {
        folder = folder.parent_path();
    }
    return folder.empty() ? std::filesystem::path(".") : folder;
}

bool isThere(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(file, error));
}

}  // namespace

Check libraryCheck(const camera::LibraryLookup& lookup) {
    Check check{.key = "camera_library", .title = "camera library"};
    check.holds = lookup.problem.empty();
    if (check.holds) {
        check.found = lookup.file + ", " + lookup.architecture + ", all " +
                      std::to_string(camera::kLibraryFunctionCount) + " functions";
        return check;
    }
    check.found = lookup.problem;
    if (lookup.missing.size() > 1) {
        check.found += " (it lacks " + std::to_string(lookup.missing.size()) + " of the " +
                       std::to_string(camera::kLibraryFunctionCount) +
                       " functions: " + joined(lookup.missing) + ")";
    }
    return check;
}

std::vector<Check> usbChecks(const camera::UsbLook& look) {
    Check libusb{.key = "libusb", .title = "libusb"};
    libusb.holds = look.problem.empty();
    libusb.found = libusb.holds ? look.library : look.problem;
#ifdef _WIN32
    if (!libusb.holds) {
        libusb.advice = kDriverAdvice;
    }
#endif
    return {libusb, cameraCheck(look)};
}

Check languageFolderCheck(const std::filesystem::path& folder) {
    Check check{.key = "language_folder", .title = "Language.ini folder"};
    const auto file = folder / kLanguageFile;
    if (const auto refusal = platform::folderWriteRefusal(folder)) {
        check.found = named(folder) + ", the current folder, takes no file: " + *refusal;
        check.advice = kLanguageFolderAdvice;
    } else if (std::error_code error;
               isThere(file) && !std::filesystem::is_regular_file(file, error)) {
        check.found = named(file) + " is not a file";
        check.advice = "move it away: the window program makes a new one";
    } else if (const auto fileRefusal =
                   isThere(file) ? platform::readWriteRefusal(file) : std::nullopt) {
        check.found = named(file) + " cannot be written: " + *fileRefusal;
        check.advice =
            "make it writable for this user, or remove it: the window program makes "
            "a new one";
    } else {
        check.holds = true;
        check.found = named(folder) + ", the current folder, takes " + std::string(kLanguageFile);
    }
    return check;
}

Check changeLogCheck() {
    Check check{.key = "change_log", .title = "change log"};
    const auto file = change_log::logFile();
    if (!file) {
        check.holds = true;
        check.found = "off (QUMAT_CHANGE_LOG=off): no change is logged";
        return check;
    }
    const auto folder = nearestFolderOf(*file);
    if (const auto refusal = platform::folderWriteRefusal(folder)) {
        check.found = named(folder) + " takes no file: " + *refusal;
        check.advice = "name a log in a folder this user may write with QUMAT_CHANGE_LOG";
        return check;
    }
    if (!isThere(*file)) {
        check.holds = true;
        check.found = named(*file) + " is made at the first change";
        return check;
    }
    // Opened as a change opens it, which writes nothing to a log that is there.
    change_log::ChangeLog log(*file, change_log::Anchor{});
    if (const auto refusal = log.open()) {
        check.found = named(*file) + ": " + *refusal;
        check.advice = "name another file with QUMAT_CHANGE_LOG";
        return check;
    }
    std::vector<change_log::HashPlace> noneExpected;
    const auto verification = change_log::verifyLog(*file, noneExpected);
    check.holds = verification.holds();
    if (!verification.problem.empty()) {
        check.found = named(verification.file) + ": " + verification.problem;
    } else if (!check.holds) {
        check.found =
            named(verification.file) + ": the chain breaks" +
            (verification.brokenLine != 0 ? " at line " + std::to_string(verification.brokenLine)
                                          : std::string()) +
            " (" + verification.reason + ")";
        check.advice =
            "keep the file as it is for whoever checks the changes, and move it aside: "
            "the next change starts a new log";
    } else {
        check.found = named(*file) + ": " + std::to_string(verification.entries) +
                      (verification.entries == 1 ? " entry holds" : " entries hold");
    }
    return check;
}

Check ledgerCheck(std::string_view connectionString) {
    Check check{.key = "ledger", .title = "identity ledger"};
    DatabaseLedger ledger;
    // Opening makes the tables when they are missing, as the first run of provision would.
    std::string failure = ledger.open(connectionString);
    LedgerSummary summary;
    if (failure.empty()) {
        summary = ledger.summary();
        failure = ledger.lookFailure();
    }
    if (!failure.empty()) {
        check.found = "cannot be reached: " + failure;
        check.advice =
            "check the connection string, the ODBC driver and data source it names, "
            "and that the database server takes connections from this computer";
        return check;
    }
    check.holds = true;
    check.found = "answers: " + std::to_string(summary.given.size()) + " given, " +
                  std::to_string(summary.inDoubt.size()) + " in doubt";
    return check;
}

Check systemLogCheck() {
    Check check{.key = "system_log", .title = "system log"};
    const auto mode = platform::environmentText("QUMAT_SYSTEM_LOG");
    if (mode == "off") {
        check.holds = true;
        check.found = "off (QUMAT_SYSTEM_LOG=off): the change log's hashes go nowhere else";
        return check;
    }
    platform::SystemLog log;
    if (const auto refusal = log.write("doctor: this log takes the change log's hashes")) {
        check.found = *refusal;
        check.advice = kSystemLogAdvice;
        return check;
    }
    check.holds = true;
    check.found = platform::SystemLog::place() + " takes lines";
    return check;
}

}  // namespace cli
