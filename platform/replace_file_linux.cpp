#include "replace_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

namespace platform {
namespace {

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaximumLinks = 40;
constexpr std::string_view kTemporaryMark = ".new-";
// Long enough that no live writer is still busy with its temporary.
constexpr std::time_t kStaleSeconds = 60;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// The file a path ends at once symbolic links are followed: a write replaces it and keeps the
// links.
std::optional<std::filesystem::path> followLinks(std::filesystem::path file) {
    for (int links = 0; links < kMaximumLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(file, error)) {
            return file;
        }
        const auto target = std::filesystem::read_symlink(file, error);
        if (error) {
            return std::nullopt;
        }
        file = file.parent_path() / target;
    }
    return std::nullopt;
}

std::error_code writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const auto written = ::write(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return lastError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::no_space_on_device);
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

bool isNumber(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// Whether `name` is one createBeside gives: the file's name, the mark, a process id, '-' and a
// counter.
bool isTemporaryName(std::string_view name, std::string_view fileName) {
    if (!name.starts_with(fileName) || !name.substr(fileName.size()).starts_with(kTemporaryMark)) {
        return false;
    }
    const auto rest = name.substr(fileName.size() + kTemporaryMark.size());
    const auto dash = rest.find('-');
    return dash != std::string_view::npos && isNumber(rest.substr(0, dash)) &&
           isNumber(rest.substr(dash + 1));
}

// A writer killed between creating its temporary and renaming it leaves the temporary behind.
void removeStaleTemporaries(const std::filesystem::path& target) {
    const auto folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), &::closedir);
    if (!directory) {
        return;
    }
    const std::string fileName = target.filename().string();
    const std::time_t staleBefore = std::time(nullptr) - kStaleSeconds;
    while (const dirent* entry = ::readdir(directory.get())) {
        struct stat status {};
        if (isTemporaryName(entry->d_name, fileName) &&
            ::fstatat(::dirfd(directory.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            status.st_mtime < staleBefore) {
            ::unlinkat(::dirfd(directory.get()), entry->d_name, 0);
        }
    }
}

// Creates a file of a name no other file has, beside `target`.
int createBeside(const std::filesystem::path& target, mode_t mode, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" +
               std::to_string(counter++);
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

// Writes into what is there, without truncating: a pipe or a terminal has nothing to replace.
std::error_code writeInto(const std::filesystem::path& file, std::string_view content) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return lastError();
    }
    auto error = writeAll(descriptor, content);
    if (::close(descriptor) != 0 && !error) {
        error = lastError();
    }
    return error;
}

// Where the folder takes no new file: writes over the file and then cuts it to its new length,
// so that it is at least never empty on the way.
std::error_code rewriteInPlace(const std::filesystem::path& file, std::string_view content) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return lastError();
    }
    auto error = writeAll(descriptor, content);
    if (!error && (::ftruncate(descriptor, static_cast<off_t>(content.size())) != 0 ||
                   ::fsync(descriptor) != 0)) {
        error = lastError();
    }
    if (::close(descriptor) != 0 && !error) {
        error = lastError();
    }
    return error;
}

}  // namespace

std::error_code replaceFile(const std::filesystem::path& file, std::string_view content,
                            Replacement how) {
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        return S_ISDIR(status.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                       : writeInto(file, content);
    }
    const auto target = followLinks(file);
    if (!target) {
        return std::make_error_code(std::errc::too_many_symbolic_link_levels);
    }
    removeStaleTemporaries(*target);
    const bool exists = ::stat(target->c_str(), &status) == 0;
    std::string temporary;
    const int descriptor = createBeside(*target, exists || how.ownerOnly ? 0600 : 0666, temporary);
    if (descriptor < 0) {
        const auto error = lastError();
        const bool folderRefuses = errno == EACCES || errno == EPERM;
        return exists && folderRefuses && how.inPlaceWhereFolderRefuses
                   ? rewriteInPlace(*target, content)
                   : error;
    }
    std::error_code error;
    // A run as root must not leave a user's file owned by root; others may not give files away.
    if (exists && ::fchown(descriptor, status.st_uid, status.st_gid) != 0 && errno != EPERM) {
        error = lastError();
    }
    if (!error && exists && !how.ownerOnly && ::fchmod(descriptor, status.st_mode & 07777) != 0) {
        error = lastError();
    }
    if (!error) {
        error = writeAll(descriptor, content);
    }
    if (!error && ::fsync(descriptor) != 0) {
        error = lastError();
    }
    if (::close(descriptor) != 0 && !error) {
        error = lastError();
    }
    if (!error && ::rename(temporary.c_str(), target->c_str()) != 0) {
        error = lastError();
    }
    if (error) {
        ::unlink(temporary.c_str());
    }
    return error;
}

}  // namespace platform
