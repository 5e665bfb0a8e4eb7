#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "whole_file.h"

namespace platform {
namespace {

// Temporaries are "<name>.tmp-" and the six characters mkstemp picks; a name that only looks
// like one, or one still being written, is never removed.
constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporaryRandomLength = 6;
constexpr std::time_t kStaleTemporaryAge = 60;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

bool writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const auto written = ::write(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string notARegularFile(mode_t mode) {
    const char* kind = S_ISDIR(mode)                    ? "a directory"
                       : S_ISFIFO(mode)                 ? "a named pipe"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "something else";
    return std::string("it is ") + kind + ", not a regular file";
}

std::string unreadable(int error) {
    return std::string("it cannot be read: ") + std::strerror(error);
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + kTemporaryRandomLength && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char character) { return std::isalnum(character) != 0; });
}

// A writer killed before its rename leaves its temporary, passwords and all.
void removeStaleTemporaries(const std::filesystem::path& file) {
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    const std::string prefix = file.filename().string() + std::string(kTemporaryInfix);
    const std::time_t staleBefore = std::time(nullptr) - kStaleTemporaryAge;
    while (const dirent* entry = ::readdir(directory)) {
        struct stat status {};
        if (isTemporaryName(entry->d_name, prefix) &&
            ::fstatat(::dirfd(directory), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && (status.st_mode & 07777) == 0600 &&
            status.st_uid == ::geteuid() && status.st_mtime < staleBefore) {
            ::unlinkat(::dirfd(directory), entry->d_name, 0);
        }
    }
    ::closedir(directory);
}

// A rewrite by root must not take a user's file from them; a user cannot give a file away
// (EPERM), and their rewrite stays their own.
bool keepsOwner(int descriptor, const std::filesystem::path& original) {
    struct stat old {};
    struct stat written {};
    if (::stat(original.c_str(), &old) != 0 || ::fstat(descriptor, &written) != 0 ||
        (old.st_uid == written.st_uid && old.st_gid == written.st_gid)) {
        return true;
    }
    return ::fchown(descriptor, old.st_uid, old.st_gid) == 0 || errno == EPERM;
}

}  // namespace

WholeFile readInChunks(const std::filesystem::path& file,
                       const std::function<bool(std::string_view chunk)>& take) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return {WholeFile::Kind::missing, {}, {}};
        }
        // A socket cannot even be opened.
        struct stat status {};
        if (::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
            return {WholeFile::Kind::unusable, {}, notARegularFile(status.st_mode)};
        }
        return {WholeFile::Kind::unusable, {}, unreadable(error)};
    }
    WholeFile whole{WholeFile::Kind::text, {}, {}};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        whole = {WholeFile::Kind::unusable, {}, unreadable(errno)};
    } else if (!S_ISREG(status.st_mode)) {
        whole = {WholeFile::Kind::unusable, {}, notARegularFile(status.st_mode)};
    }
    std::array<char, 64 * 1024> buffer;
    while (whole.kind == WholeFile::Kind::text) {
        const auto count = ::read(descriptor, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            whole = {WholeFile::Kind::unusable, {}, unreadable(errno)};
        }
        if (count <= 0 || !take(std::string_view(buffer.data(), static_cast<std::size_t>(count)))) {
            break;
        }
    }
    ::close(descriptor);
    return whole;
}

std::error_code replacePrivateFile(const std::filesystem::path& file, std::string_view content,
                                   const std::filesystem::path& ownerOf) {
    removeStaleTemporaries(file);
    // mkstemp creates the file readable and writable by its owner only.
    std::string temporary =
        file.string() + std::string(kTemporaryInfix) + std::string(kTemporaryRandomLength, 'X');
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return lastError();
    }
    // The rename alone keeps a killed writer from leaving half a file; waiting for the disk as
    // well would make every change cost milliseconds.
    int error = 0;
    if (!writeAll(descriptor, content) || !keepsOwner(descriptor, ownerOf)) {
        error = errno != 0 ? errno : EIO;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
    }
    return {error, std::generic_category()};
}

std::error_code renameWithoutReplacing(const std::filesystem::path& from,
                                       const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return {};
    }
    if (errno != EINVAL) {
        return lastError();
    }
    // A file system without the flag: the lock keeps our own processes from taking the name
    // in between.
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) {
        return std::make_error_code(std::errc::file_exists);
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
}

std::error_code appendInOneWrite(const std::filesystem::path& file, std::string_view text) {
    const int descriptor =
        ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    if (descriptor < 0) {
        return lastError();
    }
    const ssize_t count = ::write(descriptor, text.data(), text.size());
    // A short write sets no error of its own: the disk or the file-size limit stopped it.
    const int error = count < 0 ? errno : count == static_cast<ssize_t>(text.size()) ? 0 : ENOSPC;
    ::close(descriptor);
    return {error, std::generic_category()};
}

}  // namespace platform
