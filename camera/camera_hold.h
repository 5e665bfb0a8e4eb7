#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "file_lock.h"

namespace camera {

// The lock file of the camera the library reaches, in the user's state folder. The library takes
// no device and serves the one camera attached, so every program reaches that one:
// "qumat_pro/camera.lock". The emulated camera is the state file K47_CAMERA_STATE names, when it
// names one, and each such file is a camera of its own: "qumat_pro/camera-HASH.lock", after the
// file's full path.
std::filesystem::path cameraLockFile();

// Why this program cannot have the camera.
struct HoldRefusal {
    // Another program holds it, and may let it go; otherwise the lock file cannot be used.
    bool inUse = false;
    // "the camera is in use by another program (process 4242)", or why the lock file fails.
    std::string message;
};

// This program's hold on the camera. A camera serves one program at a time: the reads and writes
// of two would interleave, and each write back what the other had just replaced. The system lets
// the hold go when the process ends, however it ends.
class CameraHold {
  public:
    explicit CameraHold(std::filesystem::path lockFile) : lockFile_(std::move(lockFile)) {}

    // Nothing once the camera is this program's, at once when it already was; waits for another
    // program's hold to end for as long as `patience` at most.
    std::optional<HoldRefusal> take(std::chrono::milliseconds patience);
    void release() { lock_.release(); }
    bool held() const { return lock_.held(); }

  private:
    std::filesystem::path lockFile_;
    platform::FileLock lock_;
};

}  // namespace camera
