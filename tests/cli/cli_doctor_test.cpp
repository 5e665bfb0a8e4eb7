// doctor: each check of what a real camera needs of the computer, holding and failing, and its
// answer as a whole; in process, with the camera library's look given.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "change_log.h"
#include "cli.h"
#include "emulated_camera_library.h"
#include "environment_variable.h"
#include "file_contents.h"
#include "temporary_directory.h"
#include "who_and_when.h"

#ifndef _WIN32
#include "fake_usb_tree.h"
#include "system_log_receiver.h"
#include "test_database.h"
#endif

namespace {

using testing_support::ScopedEnvironmentVariable;

struct Outcome {
    int status = -1;
    std::string output;
    std::string errors;
};

const camera::LibraryLookup kLibraryFound{.file = "/opt/camera/libk47_4g_pc.so",
                                          .architecture = "64-bit (x86-64)"};

// The current folder while it lives, where the window program keeps its Language.ini.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder)
        : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
    ~InFolder() { std::filesystem::current_path(before_); }

  private:
    std::filesystem::path before_;
};

class DoctorTest : public testing::Test {
  protected:
    DoctorTest() {
        std::filesystem::create_directories(work());
#ifndef _WIN32
        // A computer with one other device on its bus: libusb keeps the buses of its last look
        // when a tree has none.
        addDevice(0x1d6b, 0x0002);
#endif
    }

    std::filesystem::path work() const {
        return directory_ / "work";
    }
    std::filesystem::path changeLog() const {
        return directory_ / "changes.log";
    }

#ifndef _WIN32
    // On a bus of its own: libusb 0.1 keeps what it learnt of a bus it saw before, by its name,
    // for the whole process.
    std::filesystem::path addDevice(uint16_t vendor, uint16_t product) {
        static int buses = 100;
        const std::string bus = std::to_string(++buses);
        testing_support::addDevice(directory_ / "usb", bus, "001", vendor, product);
        return directory_ / "usb" / bus / "001";
    }
#endif

    Outcome doctor(const std::vector<std::string>& options = {},
                   const camera::LibraryLookup& lookup = kLibraryFound) {
        std::vector<std::string> arguments{"doctor"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        std::ostringstream output;
        std::ostringstream errors;
        std::istringstream input;
        cli::Console console{.output = output,
                             .errors = errors,
                             .input = input,
                             .program = "qumat",
                             .passwordVariable = std::nullopt,
                             .askHidden = {}};
        const InFolder inWork(work());
        const int status = cli::run(arguments, camera_, console, [&lookup] { return lookup; });
        return {status, output.str(), errors.str()};
    }

    testing_support::TemporaryDirectory directory_;
    testing_support::EmulatedCameraLibrary camera_{directory_.path()};
    const ScopedEnvironmentVariable log_{"QUMAT_CHANGE_LOG", changeLog().string().c_str()};
#ifndef _WIN32
    const ScopedEnvironmentVariable usb_{"USB_DEVFS_PATH", (directory_ / "usb").c_str()};
#endif
};

// The line doctor printed for a check, by its title; empty when there is none.
std::string lineOf(const std::string& output, std::string_view title) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.size() > 8 && line.substr(8).starts_with(std::string(title) + ": ")) {
            return line;
        }
    }
    return {};
}

void logChanges(const std::filesystem::path& file) {
    change_log::ChangeLog log(file, change_log::Anchor{});
    std::vector<change_log::ChangeEntry> entries{
        {.setting = "network.ssid",
         .oldValue = "FieldOffice",
         .newValue = "Depot",
         .outcome = "intended"},
        {.setting = "recording.gps", .oldValue = "on", .newValue = "off", .outcome = "intended"}};
    ASSERT_FALSE(log.append(entries));
}

TEST_F(DoctorTest, ARecordOfEveryCheckAndNoCameraCall) {
    logChanges(changeLog());
#ifndef _WIN32
    const auto device = addDevice(0x070a, 0x4026);
    const ScopedEnvironmentVariable sending("QUMAT_SYSTEM_LOG", "on");
    testing_support::SystemLogReceiver systemLog(directory_.path());
#endif
    const auto text = doctor();
    const std::string work = DoctorTest::work().string();
    const std::string expected[] = {
        "ok      camera library: /opt/camera/libk47_4g_pc.so, 64-bit (x86-64), all 21 functions",
        "ok      Language.ini folder: " + work + ", the current folder, takes Language.ini",
        "ok      change log: " + changeLog().string() + ": 2 entries hold",
#ifndef _WIN32
        "ok      camera on USB: 070a:4026 at " + device.string() + ", open to " +
            platform::userName() + " to read and write",
        "ok      system log: " + (directory_ / "log.socket").string() + " takes lines",
#endif
    };
    for (const auto& line : expected) {
        EXPECT_NE(text.output.find(line + "\n"), std::string::npos) << line << "\n" << text.output;
    }
    EXPECT_TRUE(text.errors.empty()) << text.errors;
    EXPECT_TRUE(camera_.journal().empty());
#ifndef _WIN32
    EXPECT_EQ(text.status, 0) << text.output;
    EXPECT_EQ(text.output.find("FAILED"), std::string::npos) << text.output;
    ASSERT_EQ(systemLog.take().size(), 1U);
    EXPECT_TRUE(systemLog.took("doctor: this log takes the change log's hashes"));

    // The same for scripts, one object keyed by check; and nothing at all where all holds, quietly.
    const auto json = doctor({"--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(
        json.output.starts_with("{\n  \"holds\": true,\n  \"camera_library\": {\"holds\": "
                                "true, \"found\": \"/opt/camera/libk47_4g_pc.so, 64-bit "
                                "(x86-64), all 21 functions\", \"advice\": \"\"},\n  "
                                "\"libusb\": {\"holds\": true, "))
        << json.output;
    EXPECT_EQ(doctor({"--quiet"}).output, "");
#endif
}

TEST_F(DoctorTest, EachFailingCheckSaysWhatItFoundAndWhatToDo) {
    const std::string library = "/opt/camera/libk47_4g_pc.so";
    const auto notALog = directory_ / "notes.txt";
    const struct {
        std::string title;
        camera::LibraryLookup lookup;
        // Sets the fault up; the check's line after its title.
        std::function<std::string()> arrange;
    } cases[] = {
        {"camera library",
         {.file = library,
          .architecture = "64-bit (x86-64)",
          .missing = {"SetMSDC", "Qumat_SetDefault"},
          .problem = library + " has no function SetMSDC, so it is not the camera library"},
         [&] {
             return library +
                    " has no function SetMSDC, so it is not the camera library (it "
                    "lacks 2 of the 21 functions: SetMSDC, Qumat_SetDefault)";
         }},
        {"Language.ini folder", kLibraryFound,
         [this] {
             std::filesystem::create_directory(work() / "Language.ini");
             return (work() / "Language.ini").string() +
                    " is not a file; move it away: the window program makes a new one";
         }},
        {"change log", kLibraryFound,
         [this] {
             logChanges(changeLog());
             auto text = testing_support::fileContents(changeLog());
             text.replace(text.find("Depot"), 5, "Dep0t");
             std::ofstream(changeLog(), std::ios::binary | std::ios::trunc) << text;
             return changeLog().string() +
                    ": the chain breaks at line 2 (its content was changed); keep the file as it "
                    "is for whoever checks the changes, and move it aside: the next change starts "
                    "a new log";
         }},
        {"change log", kLibraryFound,
         [&] {
             std::ofstream(notALog) << "notes\n";
             testing_support::setEnvironmentVariable("QUMAT_CHANGE_LOG", notALog.string().c_str());
             return notALog.string() +
                    ": it is not a change log: its first line is not a log's start line; name "
                    "another file with QUMAT_CHANGE_LOG";
         }},
#ifndef _WIN32
        {"camera on USB", kLibraryFound,
         [] {
             return "no device 070a:4026 on the USB buses; connect the camera and switch it on";
         }},
        {"camera on USB", kLibraryFound,
         [this] {
             const auto first = addDevice(0x070a, 0x4026);
             const auto second = addDevice(0x070a, 0x4026);
             return "2 devices 070a:4026: " + first.string() + ", " + second.string() +
                    "; connect one camera at a time: the camera library serves one";
         }},
        {"system log", kLibraryFound,
         [this] {
             const auto socket = directory_ / "no.socket";
             testing_support::setEnvironmentVariable("QUMAT_SYSTEM_LOG", "on");
             testing_support::setEnvironmentVariable("QUMAT_SYSTEM_LOG_SOCKET", socket.c_str());
             return "no system log at " + socket.string() +
                    ": No such file or directory; start the system's log service, which takes "
                    "lines on /dev/log, or set QUMAT_SYSTEM_LOG=off to change cameras without it";
         }},
#endif
    };
    for (const auto& each : cases) {
        const ScopedEnvironmentVariable log("QUMAT_CHANGE_LOG", changeLog().string().c_str());
        const ScopedEnvironmentVariable systemLog("QUMAT_SYSTEM_LOG", "off");
        const ScopedEnvironmentVariable socket("QUMAT_SYSTEM_LOG_SOCKET", nullptr);
        std::filesystem::remove(changeLog());
        std::filesystem::remove(work() / "Language.ini");
        const std::string line = "FAILED  " + each.title + ": " + each.arrange();
        const auto outcome = doctor({}, each.lookup);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(lineOf(outcome.output, each.title), line) << outcome.output;
    }
}

#ifndef _WIN32
// A ledger named is checked too, and its connection string, which may hold a password, is never
// shown.
TEST_F(DoctorTest, ANamedLedgerIsCheckedWithoutShowingItsConnection) {
    const auto failed = doctor({"--ledger", "Driver=qumat-no-such-driver;Pwd=secret-7"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(lineOf(failed.output, "identity ledger")
                    .starts_with("FAILED  identity ledger: cannot be reached: "))
        << failed.output;
    EXPECT_EQ(failed.output.find("secret-7"), std::string::npos) << failed.output;
    EXPECT_EQ(lineOf(doctor().output, "identity ledger"), "") << "none named, none checked";

    testing_support::TestDatabase server(directory_.path());
    if (!server.missing().empty()) {
        GTEST_SKIP() << server.missing();
    }
    EXPECT_EQ(lineOf(doctor({"--ledger", server.freshDatabase()}).output, "identity ledger"),
              "ok      identity ledger: answers: 0 given, 0 in doubt");
}
#endif

// What root, or Wine's user, may write whatever its mode says, fails only for another user.
TEST_F(DoctorTest, WhatThisUserMayNotWriteFails) {
    const auto file = work() / "Language.ini";
    std::ofstream(file) << "[Configuration]\r\nLanguage=0\r\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    if (std::ofstream(file, std::ios::app)) {
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
        GTEST_SKIP() << "this user writes read-only files";
    }
    auto outcome = doctor();
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(
        lineOf(outcome.output, "Language.ini folder")
            .starts_with("FAILED  Language.ini folder: " + file.string() + " cannot be written: "))
        << outcome.output;
    EXPECT_TRUE(outcome.output.find("; make it writable for this user, or remove it: the window "
                                    "program makes a new one\n") != std::string::npos);
#ifndef _WIN32
    std::filesystem::remove(file);
    std::filesystem::permissions(
        work(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const auto device = addDevice(0x070a, 0x4026);
    std::filesystem::permissions(device, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    outcome = doctor();
    std::filesystem::permissions(work(), std::filesystem::perms::owner_all);
    const auto folderLine = lineOf(outcome.output, "Language.ini folder");
    EXPECT_TRUE(folderLine.starts_with("FAILED  Language.ini folder: " + work().string() +
                                       ", the current folder, takes no file: Permission denied "
                                       "(owner " +
                                       platform::userName() + ", group "))
        << folderLine;
    EXPECT_TRUE(
        folderLine.ends_with(", mode 0500); start qumat_pro in a folder this user may "
                             "write: its menu entry starts it in ~/.config/qumat_pro"))
        << folderLine;
    const auto line = lineOf(outcome.output, "camera on USB");
    EXPECT_TRUE(line.starts_with("FAILED  camera on USB: " + device.string() + " is not open to " +
                                 platform::userName() + ": Permission denied (owner "))
        << line;
    EXPECT_TRUE(line.find(", mode 0444); ") != std::string::npos) << line;
    // Whether the computer has the rule decides between installing it and plugging in again.
    EXPECT_TRUE(line.find("udev rule") != std::string::npos) << line;
#endif
}

}  // namespace
