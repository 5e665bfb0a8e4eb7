#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// An exclusive lock on a lock file that processes sharing a resource take turns on. Reading is
// enough to lock, so a lock file another user made serves too; it holds nothing.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the file when missing and waits until the lock is this process's, for as long as
    // `patience` at most, so that a process holding it on never freezes the caller; why not, in a
    // few words ("cannot be opened: ...", "cannot be locked: ..."), when it cannot be taken.
    std::optional<std::string> take(const std::filesystem::path& file,
                                    std::chrono::milliseconds patience = std::chrono::seconds(2));
    void release();
    bool held() const;

  private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

}  // namespace platform
