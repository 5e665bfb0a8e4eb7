#include "environment_paths.h"

#include "environment.h"

namespace k47 {
namespace {

std::filesystem::path variable(const char* name) {
    const auto value = platform::environmentText(name);
    return value ? platform::pathFromUtf8(*value) : std::filesystem::path{};
}

}  // namespace

std::filesystem::path stateFilePath() {
    if (auto path = variable("K47_CAMERA_STATE"); !path.empty()) {
        return path;
    }
    // The XDG rules ignore a relative state directory.
    auto directory = variable("XDG_STATE_HOME");
    if (directory.is_relative()) {
        directory = variable("HOME");
        directory = directory.is_relative() ? std::filesystem::path{} : directory / ".local/state";
    }
    return directory / "k47_4g_pc" / "camera.ini";
}

std::filesystem::path journalFilePath() {
    return variable("K47_CAMERA_JOURNAL");
}

}  // namespace k47
