#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "camera_state.h"
#include "file_lock.h"

namespace k47 {

// The file that keeps the emulated camera's state between calls and between runs. It holds
// passwords, so it is readable by its owner only, and it is always replaced as a whole, so that
// a process killed at any moment leaves either the old or the new state.
class StateFile {
  public:
    // Held from a call's load to its save: processes sharing the file take turns on a lock file
    // beside it ("<name>.lock"), so that each sees the change of the one before. load() and
    // save() take it themselves when no Lock holds it. When it cannot be taken (a read-only
    // folder) the state can still be read, but no save replaces it.
    class Lock {
      public:
        explicit Lock(StateFile& file);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

      private:
        StateFile& file_;
    };

    explicit StateFile(std::filesystem::path path);

    // The state the file holds; nothing, with a report on stderr, when the file is there but
    // gives no text: anything but a regular file, or a read that fails. Such a file is left as it
    // is. A missing file is created with the factory settings. A regular file read whole that is
    // not a state is reported, kept beside as "<name>.invalid" (or "<name>.invalid.1", ... when
    // that is taken) and replaced by the factory settings. When it cannot be moved aside the
    // camera runs on the factory settings and no save replaces the file until it is mended.
    std::optional<CameraState> load();
    // False, with a report on stderr, when the file cannot be replaced. For an invalid file that
    // load() could not move aside, its report is the one.
    bool save(const CameraState& state);

  private:
    void lock();
    void unlock();
    // The file the path names once its symbolic links are followed: the one read and replaced,
    // so that a link stays a link.
    std::filesystem::path target() const;
    // Moves an invalid file aside and says where to; nothing, with the file left where it is,
    // when it cannot.
    std::optional<std::filesystem::path> keepAside(const std::string& problem);
    // Replaces the file with one that has the owner and group of `ownerOf` where the process may.
    bool replace(const CameraState& state, const std::filesystem::path& ownerOf);
    // Each problem once, not at every call while it lasts.
    void report(const std::string& message);

    // The text last read or written and the state it gives.
    std::optional<std::pair<std::string, CameraState>> cached_;
    std::filesystem::path path_;
    std::string lastReport_;
    bool keepsInvalidFile_ = false;  // an invalid file load() could not move aside
    int lockDepth_ = 0;
    platform::FileLock lock_;
    std::string lockProblem_;  // why the lock is not held
    // When a wait for the lock last ran out: the calls soon after try once rather than wait
    // again, so that a window's burst of calls fails in one wait, not in one wait each.
    std::optional<std::chrono::steady_clock::time_point> lockGivenUpAt_;
};

}  // namespace k47
