#include "append_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
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

std::error_code writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? lastError() : std::make_error_code(std::errc::no_space_on_device);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// A rename is on the disk once its folder is.
std::error_code syncFolderOf(const std::filesystem::path& file) {
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return lastError();
    }
    const int synced = ::fsync(descriptor);
    const auto error = synced == 0 ? std::error_code() : lastError();
    ::close(descriptor);
    return error;
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
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
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

std::string AppendFile::foreignOwner() const {
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || status.st_uid == ::geteuid() || status.st_uid == 0) {
        return {};
    }
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(status.st_uid, &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr) {
        return found->pw_name;
    }
    return "uid " + std::to_string(status.st_uid);
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
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    const std::uint64_t start = size > limit ? size - limit : 0;
    tail.assign(static_cast<std::size_t>(size - start), '\0');
    return readAt(start, tail);
}

std::error_code AppendFile::readAt(std::uint64_t offset, std::string& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t read = ::pread(descriptor_, bytes.data() + done, bytes.size() - done,
                                     static_cast<off_t>(offset + done));
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

std::error_code AppendFile::size(std::uint64_t& bytes) const {
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        return lastError();
    }
    bytes = static_cast<std::uint64_t>(status.st_size);
    return {};
}

std::error_code AppendFile::readHead(std::size_t limit, std::string& head) const {
    std::uint64_t size = 0;
    if (const auto error = this->size(size)) {
        return error;
    }
    head.assign(static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)), '\0');
    return readAt(0, head);
}

std::error_code AppendFile::copyTo(const std::filesystem::path& aside) const {
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        return lastError();
    }
    // Left by a copy that was killed: this one takes its place.
    auto temporary = aside;
    temporary += ".tmp";
    ::unlink(temporary.c_str());
    const int copy =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (copy < 0) {
        return lastError();
    }
    // Readable by whom the log is, a shared one by its group too.
    std::error_code error;
    if (::fchown(copy, static_cast<uid_t>(-1), status.st_gid) != 0 && errno != EPERM) {
        error = lastError();
    }
    if (!error && ::fchmod(copy, status.st_mode & 0660) != 0) {
        error = lastError();
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    std::string chunk;
    for (std::uint64_t done = 0; !error && done < size; done += chunk.size()) {
        chunk.resize(static_cast<std::size_t>(std::min<std::uint64_t>(256 * 1024, size - done)));
        error = readAt(done, chunk);
        if (!error) {
            error = writeAll(copy, chunk);
        }
    }
    if (!error && ::fsync(copy) != 0) {
        error = lastError();
    }
    if (::close(copy) != 0 && !error) {
        error = lastError();
    }
    if (!error && ::rename(temporary.c_str(), aside.c_str()) != 0) {
        error = lastError();
    }
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    return syncFolderOf(aside);
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
