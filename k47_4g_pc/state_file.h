#pragma once

#include <filesystem>
#include <string>

#include "camera_state.h"

namespace k47 {

// The file that keeps the emulated camera's state between calls and between runs. It holds
// passwords, so it is readable by its owner only, and it is always replaced as a whole, so that
// a process killed at any moment leaves either the old or the new state.
class StateFile {
  public:
    explicit StateFile(std::filesystem::path path);

    // The state the file holds. A missing file is created with the factory settings. A file that
    // cannot be read as a state is reported on stderr, kept beside as "<name>.invalid" and
    // replaced by the factory settings.
    CameraState load();
    // False, with a report on stderr, when the file cannot be replaced.
    bool save(const CameraState& state);

  private:
    // Each problem once, not at every call while it lasts.
    void report(const std::string& message);

    std::filesystem::path path_;
    std::string lastReport_;
};

}  // namespace k47
