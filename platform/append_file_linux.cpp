#include "append_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Why a write stopped short of `end`: the process's file size limit, when `end` is past it, else a
// full disk.
std::error_code shortWriteReason(off_t end) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(end) > limit.rlim_cur) {
        return std::make_error_code(std::errc::file_too_large);
    }
    return std::make_error_code(std::errc::no_space_on_device);
}

}  // namespace

std::error_code makeOwnerOnlyFolders(const std::filesystem::path& folder) {
    if (folder.empty() || std::filesystem::is_directory(folder)) {
        return {};
    }
    if (const auto error = makeOwnerOnlyFolders(folder.parent_path())) {
        return error;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return lastError();
    }
    return {};
}

AppendFile::~AppendFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

std::error_code AppendFile::open(const std::filesystem::path& file) {
    if (const auto error = makeOwnerOnlyFolders(file.parent_path())) {
        return error;
    }
    // A umask only takes permissions away: a new file is its owner's alone.
    descriptor_ = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0) {
        return lastError();
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        return lastError();
    }
    if (!S_ISREG(status.st_mode)) {
        // Closed, or every retry of a caller would keep one more pipe or device open.
        ::close(descriptor_);
        descriptor_ = -1;
        return std::make_error_code(std::errc::invalid_argument);
    }
    return {};
}

std::error_code AppendFile::append(
    std::size_t tailLimit, const std::function<std::string(std::string_view tail)>& bytesAfter) {
    // Other processes append to a shared log too: each of their lines follows a whole one.
    while (::flock(descriptor_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return lastError();
        }
    }
    std::string tail;
    auto error = readTail(tailLimit, tail);
    if (!error) {
        error = write(bytesAfter(tail));
    }
    ::flock(descriptor_, LOCK_UN);
    return error;
}

std::error_code AppendFile::readTail(std::size_t limit, std::string& tail) const {
    const off_t size = ::lseek(descriptor_, 0, SEEK_END);
    if (size < 0) {
        return lastError();
    }
    const off_t start = size > static_cast<off_t>(limit) ? size - static_cast<off_t>(limit) : 0;
    tail.assign(static_cast<std::size_t>(size - start), '\0');
    std::size_t done = 0;
    while (done < tail.size()) {
        const ssize_t read = ::pread(descriptor_, tail.data() + done, tail.size() - done,
                                     start + static_cast<off_t>(done));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            return read < 0 ? lastError() : std::make_error_code(std::errc::io_error);
        }
        done += static_cast<std::size_t>(read);
    }
    return {};
}

std::error_code AppendFile::dropLast(std::size_t bytes) {
    const off_t size = ::lseek(descriptor_, 0, SEEK_END);
    if (size < 0 || ::ftruncate(descriptor_, size - static_cast<off_t>(bytes)) != 0) {
        return lastError();
    }
    return {};
}

std::error_code AppendFile::write(std::string_view bytes) {
    const off_t before = ::lseek(descriptor_, 0, SEEK_END);
    ssize_t written = -1;
    do {
        written = ::write(descriptor_, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        return lastError();
    }
    if (static_cast<std::size_t>(written) != bytes.size()) {
        // A line cut short by a full disk would break the chain for every line after it; the
        // file goes back to what it was. Only a process killed right here leaves such a line.
        if (before >= 0 && ::ftruncate(descriptor_, before) != 0) {
            return lastError();
        }
        return shortWriteReason(before + static_cast<off_t>(bytes.size()));
    }
    if (::fsync(descriptor_) != 0) {
        return lastError();
    }
    return {};
}

}  // namespace platform
