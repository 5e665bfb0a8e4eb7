#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "file_lock.h"

namespace platform {

FileLock::~FileLock() {
    release();
}

std::optional<LockRefusal> FileLock::lock(const std::filesystem::path& file, bool writable,
                                          std::chrono::milliseconds patience) {
    release();
    descriptor_ = ::open(file.c_str(),
                         (writable ? O_RDWR : O_RDONLY) | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (descriptor_ < 0) {
        return LockRefusal{false, std::string("cannot be opened: ") + std::strerror(errno)};
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else if (error != EINTR) {
            release();
            return error == EWOULDBLOCK
                       ? LockRefusal{true, "cannot be locked: another process holds it"}
                       : LockRefusal{false,
                                     std::string("cannot be locked: ") + std::strerror(error)};
        }
    }
    return std::nullopt;
}

std::optional<LockRefusal> FileLock::takeNamed(const std::filesystem::path& file,
                                               std::chrono::milliseconds patience) {
    if (auto refusal = lock(file, true, patience)) {
        return refusal;
    }
    const std::string id = std::to_string(::getpid());
    ssize_t written = -1;
    if (::ftruncate(descriptor_, 0) == 0) {
        written = ::pwrite(descriptor_, id.data(), id.size(), 0);
    }
    if (written != static_cast<ssize_t>(id.size())) {
        // A short write has no error of its own: only a full disk cuts a few bytes short.
        const int error = written < 0 ? errno : ENOSPC;
        release();
        return LockRefusal{false, std::string("cannot be written: ") + std::strerror(error)};
    }
    return std::nullopt;
}

void FileLock::release() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

bool FileLock::held() const {
    return descriptor_ >= 0;
}

}  // namespace platform
