#include "usb_scan.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "fake_usb_tree.h"
#include "temporary_directory.h"

namespace {

using testing_support::addDevice;
using testing_support::kCameraProduct;
using testing_support::kCameraVendor;

constexpr uint16_t kOtherVendor = 0x1234;

// Runs the scans in a child process, whose libusb has seen no scan yet, with the scan's standard
// output going to a pipe; returns what the child wrote. The child ends without flushing, as a
// program ended by a signal would, so a line the scan did not flush is lost.
std::string inFreshProcess(const std::filesystem::path& tree, const std::function<void()>& scans) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return "no pipe";
    }
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::setenv("USB_DEVFS_PATH", tree.c_str(), 1);
        scans();
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t count; (count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    return output;
}

// The result goes straight to the file descriptor, past the standard output's buffer.
void scanAndReport() {
    ::dprintf(STDOUT_FILENO, "returned %d\n", camera::scanForCameras());
}

class UsbScanTest : public testing::Test {
  protected:
    testing_support::TemporaryDirectory tree;
};

TEST_F(UsbScanTest, NoCameraWritesNothing) {
    addDevice(tree.path(), "001", "001", kOtherVendor, 0x0001);
    addDevice(tree.path(), "001", "002", kOtherVendor, 0x0002);
    EXPECT_EQ(inFreshProcess(tree.path(), scanAndReport), "returned 2\n");
}

TEST_F(UsbScanTest, OneCameraOnTheFirstScanCountsEveryDevicePlusOne) {
    addDevice(tree.path(), "001", "001", kOtherVendor, 0x0001);
    addDevice(tree.path(), "002", "001", kOtherVendor, 0x0002);
    addDevice(tree.path(), "002", "004", kCameraVendor, kCameraProduct);
    EXPECT_EQ(inFreshProcess(tree.path(), scanAndReport), "find amba dev:4\nreturned 4\n");
}

TEST_F(UsbScanTest, TwoCamerasGetConsecutiveNumbers) {
    addDevice(tree.path(), "001", "001", kOtherVendor, 0x0001);
    addDevice(tree.path(), "001", "005", kCameraVendor, kCameraProduct);
    addDevice(tree.path(), "002", "003", kCameraVendor, kCameraProduct);
    EXPECT_EQ(inFreshProcess(tree.path(), scanAndReport),
              "find amba dev:4\nfind amba dev:5\nreturned 5\n");
}

TEST_F(UsbScanTest, LaterScansStartFromTheChangesSinceThePreviousOne) {
    addDevice(tree.path(), "001", "001", kOtherVendor, 0x0001);
    addDevice(tree.path(), "001", "002", kCameraVendor, kCameraProduct);
    const auto output = inFreshProcess(tree.path(), [&] {
        scanAndReport();
        addDevice(tree.path(), "001", "003", kCameraVendor, kCameraProduct);
        scanAndReport();
        scanAndReport();
    });
    EXPECT_EQ(output,
              "find amba dev:3\nreturned 3\n"
              "find amba dev:2\nfind amba dev:3\nreturned 3\n"
              "find amba dev:1\nfind amba dev:2\nreturned 2\n");
}

TEST_F(UsbScanTest, OtherDevicesOfTheCameraVendorAreIgnored) {
    addDevice(tree.path(), "001", "001", kCameraVendor, 0x4027);
    addDevice(tree.path(), "001", "002", kCameraVendor, 0x0000);
    addDevice(tree.path(), "001", "003", kOtherVendor, kCameraProduct);
    EXPECT_EQ(inFreshProcess(tree.path(), scanAndReport), "returned 3\n");
}

}  // namespace
