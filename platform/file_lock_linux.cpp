#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file_lock.h"

namespace platform {

FileLock::~FileLock() {
    release();
}

std::optional<std::string> FileLock::take(const std::filesystem::path& file) {
    release();
    descriptor_ = ::open(file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (descriptor_ < 0) {
        return std::string("cannot be opened: ") + std::strerror(errno);
    }
    int result = 0;
    do {
        result = ::flock(descriptor_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        release();
        return std::string("cannot be locked: ") + std::strerror(error);
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
