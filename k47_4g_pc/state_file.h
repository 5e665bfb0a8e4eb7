#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "camera_state.h"

namespace k47 {

// The file that keeps the emulated camera's state between calls and between runs. It holds
// passwords, so it is readable by its owner only, and it is always replaced as a whole, so that
// a process killed at any moment leaves either the old or the new state.
class StateFile {
  public:
    explicit StateFile(std::filesystem::path path);

    // The state the file holds. A missing file is created with the factory settings. A file that
    // cannot be read as a state (a directory or other non-file, an unreadable file, a damaged
    // one) is reported on stderr, kept beside as "<name>.invalid" and replaced by the factory
    // settings. When it cannot be moved aside the camera runs on the factory settings and no
    // save replaces the file until it is mended.
    CameraState load();
    // False, with a report on stderr, when the file cannot be replaced. For an invalid file that
    // load() could not move aside, its report is the one.
    bool save(const CameraState& state);

  private:
    // Moves an invalid file aside; false, with the file left where it is, when it cannot.
    bool keepAside(const std::string& problem);
    // Each problem once, not at every call while it lasts.
    void report(const std::string& message);

    // The text last read and the state it gave.
    std::optional<std::pair<std::string, CameraState>> cached_;
    std::filesystem::path path_;
    std::string lastReport_;
    bool keepsInvalidFile_ = false;  // an invalid file load() could not move aside
};

}  // namespace k47
