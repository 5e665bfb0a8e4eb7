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

std::optional<std::string> FileLock::take(const std::filesystem::path& file,
                                          std::chrono::milliseconds patience) {
    release();
    descriptor_ = ::open(file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (descriptor_ < 0) {
        return std::string("cannot be opened: ") + std::strerror(errno);
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else if (error != EINTR) {
            release();
            return error == EWOULDBLOCK ? std::string("cannot be locked: another process holds it")
                                        : std::string("cannot be locked: ") + std::strerror(error);
        }
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
