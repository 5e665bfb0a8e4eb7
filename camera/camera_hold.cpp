#include "camera_hold.h"

#include <cstdint>
#include <cstdio>
#include <system_error>

#include "append_file.h"
#include "environment.h"
#include "who_and_when.h"

namespace camera {
namespace {

// FNV-1a: a short, stable name for a path, which may be longer than a file name may be.
std::string hashText(std::u8string_view text) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char8_t byte : text) {
        hash = (hash ^ byte) * 0x100000001b3ULL;
    }
    char hex[17] = {};
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

}  // namespace

std::filesystem::path cameraLockFile() {
    const auto folder = platform::userStateFolder() / "qumat_pro";
    const auto state = platform::environmentText("K47_CAMERA_STATE");
    if (!state || state->empty()) {
        return folder / "camera.lock";
    }
    // Two names of one file, relative or through a link, are one camera.
    std::error_code error;
    auto path = std::filesystem::weakly_canonical(platform::pathFromUtf8(*state), error);
    if (error) {
        path = std::filesystem::absolute(platform::pathFromUtf8(*state), error);
    }
    return folder / ("camera-" + hashText(path.u8string()) + ".lock");
}

std::optional<HoldRefusal> CameraHold::take(std::chrono::milliseconds patience) {
    if (lock_.held()) {
        return std::nullopt;
    }
    const auto failed = [this](const std::string& why) {
        const auto place = lockFile_.u8string();
        return HoldRefusal{false, "cannot hold the camera: the lock file " +
                                      std::string(place.begin(), place.end()) + " " + why};
    };
    if (const auto error = platform::makeOwnerOnlyFolders(lockFile_.parent_path())) {
        return failed("cannot be made: " + error.message());
    }
    const auto refusal = lock_.takeNamed(lockFile_, patience);
    if (!refusal) {
        return std::nullopt;
    }
    if (!refusal->heldElsewhere) {
        return failed(refusal->reason);
    }
    std::string message = "the camera is in use by another program";
    if (const auto holder = platform::FileLock::holderOf(lockFile_)) {
        message += " (process " + std::to_string(*holder) + ")";
    }
    return HoldRefusal{true, std::move(message)};
}

}  // namespace camera
