#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Why a lock was not taken.
struct LockRefusal {
    // Another holder has it, where a file that cannot be used would fail every try.
    bool heldElsewhere = false;
    // In a few words: "cannot be opened: ...", "cannot be locked: ...".
    std::string reason;
};

// An exclusive lock on a lock file that processes sharing a resource take turns on. The system
// ends it with its holder, however the holder ends.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the file when missing and waits until the lock is this process's, for as long as
    // `patience` at most, so that a process holding it on never freezes the caller; why not, in a
    // few words ("cannot be opened: ...", "cannot be locked: ..."), when it cannot be taken.
    // Reading is enough to lock, so a lock file another user made serves too; it holds nothing.
    std::optional<std::string> take(const std::filesystem::path& file,
                                    std::chrono::milliseconds patience = std::chrono::seconds(2));
    // As take(), on a file this process may write: once the lock is its own, it writes its
    // process id into the file, so that those who find the lock taken can name its holder.
    std::optional<LockRefusal> takeNamed(const std::filesystem::path& file,
                                         std::chrono::milliseconds patience);
    void release();
    bool held() const;

    // The process id the last holder by takeNamed wrote into `file`: its holder's while the lock
    // is taken, unless that holder has not written it yet. Nothing when none can be read.
    static std::optional<unsigned long> holderOf(const std::filesystem::path& file);

  private:
    std::optional<LockRefusal> lock(const std::filesystem::path& file, bool writable,
                                    std::chrono::milliseconds patience);

#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

}  // namespace platform
