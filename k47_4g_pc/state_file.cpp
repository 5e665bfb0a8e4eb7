#include "state_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <string_view>
#include <system_error>

#include "state_format.h"

namespace k47 {
namespace {

// A state file is a few dozen lines; anything much larger is not one.
constexpr std::size_t kMaximumFileSize = 64 * 1024;

// Temporaries are "<name>.tmp-" and the six characters mkstemp picks; a name that only looks
// like one, or one still being written, is never removed.
constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporaryRandomLength = 6;
constexpr std::time_t kStaleTemporaryAge = 60;

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

// Up to `limit` bytes and one more, so that a file beyond the limit shows as such.
bool readAll(int descriptor, std::string& text, std::size_t limit) {
    char buffer[4096];
    while (text.size() <= limit) {
        const auto count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return count == 0;
        }
        text.append(buffer, static_cast<std::size_t>(count));
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

struct FileText {
    enum class Kind { missing, text, unusable };
    Kind kind;
    // The whole text, or its beginning when the file is larger than a state file can be.
    std::string text;
    // Why an unusable file gives no text.
    std::string problem;
};

// What the file holds. The file is opened without waiting, so that a pipe in its place cannot
// hang the camera.
FileText readText(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return {FileText::Kind::missing, {}, {}};
        }
        // A socket cannot even be opened.
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
            return {FileText::Kind::unusable, {}, notARegularFile(status.st_mode)};
        }
        return {FileText::Kind::unusable, {}, unreadable(error)};
    }
    FileText file{FileText::Kind::text, {}, {}};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        file = {FileText::Kind::unusable, {}, unreadable(errno)};
    } else if (!S_ISREG(status.st_mode)) {
        file = {FileText::Kind::unusable, {}, notARegularFile(status.st_mode)};
    } else if (!readAll(descriptor, file.text, kMaximumFileSize)) {
        file = {FileText::Kind::unusable, {}, unreadable(errno)};
    }
    ::close(descriptor);
    return file;
}

// Renames without ever replacing what is at `to`: 0, or the error, EEXIST when the name is
// taken.
int renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL) {
        return errno;
    }
    // A file system without the flag: the lock keeps our own processes from taking the name
    // in between.
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) {
        return EEXIST;
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + kTemporaryRandomLength && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char character) { return std::isalnum(character) != 0; });
}

// A writer killed before its rename leaves its temporary, passwords and all. Run under the lock,
// so that no writer of ours is at one, and only on our own that are a minute old.
void removeStaleTemporaries(const std::filesystem::path& stateFile) {
    const auto folder =
        stateFile.has_parent_path() ? stateFile.parent_path() : std::filesystem::path(".");
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    const std::string prefix = stateFile.filename().string() + std::string(kTemporaryInfix);
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

StateFile::Lock::Lock(StateFile& file) : file_(file) {
    file_.lock();
}

StateFile::Lock::~Lock() {
    file_.unlock();
}

StateFile::StateFile(std::filesystem::path path) : path_(std::move(path)) {}

void StateFile::lock() {
    if (lockDepth_++ > 0) {
        return;
    }
    std::error_code ignored;
    if (path_.has_parent_path()) {
        std::filesystem::create_directories(path_.parent_path(), ignored);
    }
    auto lockPath = path_;
    lockPath += ".lock";
    // Reading is enough to lock, so a lock file another user made serves too; it holds nothing.
    lockDescriptor_ = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (lockDescriptor_ < 0) {
        lockProblem_ =
            "the lock file " + lockPath.string() + " cannot be opened: " + std::strerror(errno);
        return;
    }
    int result = 0;
    do {
        result = ::flock(lockDescriptor_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        lockProblem_ =
            "the lock file " + lockPath.string() + " cannot be locked: " + std::strerror(errno);
        ::close(lockDescriptor_);
        lockDescriptor_ = -1;
    }
}

void StateFile::unlock() {
    if (--lockDepth_ == 0 && lockDescriptor_ >= 0) {
        ::close(lockDescriptor_);
        lockDescriptor_ = -1;
    }
}

std::optional<CameraState> StateFile::load() {
    const Lock lock(*this);
    keepsInvalidFile_ = false;
    const auto file = readText(path_);
    std::string problem;
    switch (file.kind) {
        case FileText::Kind::missing: {
            cached_.reset();
            auto factory = factorySettings();
            save(factory);
            return factory;
        }
        case FileText::Kind::unusable:
            report("camera state file " + path_.string() + ", " + file.problem +
                   "; the call fails and the file is left as it is");
            return std::nullopt;
        case FileText::Kind::text:
            if (file.text.size() > kMaximumFileSize) {
                problem = "the file is too large to be a camera state file";
                break;
            }
            // The same text as last time is not parsed again: reading is cheap, parsing is not.
            if (cached_ && cached_->first == file.text) {
                return cached_->second;
            }
            auto parsed = parseState(file.text);
            if (parsed.state) {
                cached_.emplace(file.text, *parsed.state);
                return *parsed.state;
            }
            problem = parsed.error;
            break;
    }
    cached_.reset();
    auto factory = factorySettings();
    // The factory settings take the place of the file moved aside, and its owner's too.
    if (const auto kept = keepAside(problem)) {
        replace(factory, *kept);
    }
    return factory;
}

std::filesystem::path StateFile::target() const {
    auto path = path_;
    // As many links as the system itself follows; a loop ends at the last one.
    constexpr int kMaximumLinks = 40;
    for (int hop = 0; hop < kMaximumLinks; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            break;
        }
        const auto link = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

std::optional<std::filesystem::path> StateFile::keepAside(const std::string& problem) {
    const auto file = target();
    auto kept = file;
    kept += ".invalid";
    int error = renameWithoutReplacing(file, kept);
    // Earlier invalid files are kept too.
    for (unsigned long number = 1; error == EEXIST; ++number) {
        kept = file;
        kept += ".invalid." + std::to_string(number);
        error = renameWithoutReplacing(file, kept);
    }
    if (error != 0) {
        keepsInvalidFile_ = true;
        report("camera state file " + path_.string() + ", " + problem + "; it cannot be kept as " +
               kept.string() + " (" + std::strerror(error) +
               "), so the camera runs on its factory settings and saves no change");
        return std::nullopt;
    }
    report("camera state file " + path_.string() + ", " + problem +
           "; the camera starts again from its factory settings and the file is kept as " +
           kept.string());
    return kept;
}

bool StateFile::save(const CameraState& state) {
    return replace(state, target());
}

bool StateFile::replace(const CameraState& state, const std::filesystem::path& ownerOf) {
    const Lock lock(*this);
    if (keepsInvalidFile_) {
        return false;
    }
    if (lockDescriptor_ < 0) {
        report("cannot write the camera state file " + path_.string() + ": " + lockProblem_);
        return false;
    }
    const auto file = target();
    removeStaleTemporaries(file);
    // mkstemp creates the file readable and writable by its owner only.
    std::string temporary =
        file.string() + std::string(kTemporaryInfix) + std::string(kTemporaryRandomLength, 'X');
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        report("cannot write the camera state file " + path_.string() + ": " +
               std::strerror(errno));
        return false;
    }
    // The rename alone keeps a killed tool from leaving half a file; waiting for the disk as
    // well would make every call that changes the camera cost milliseconds.
    int error = 0;
    if (!writeAll(descriptor, formatState(state)) || !keepsOwner(descriptor, ownerOf)) {
        error = errno != 0 ? errno : EIO;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        report("cannot write the camera state file " + path_.string() + ": " +
               std::strerror(error));
        ::unlink(temporary.c_str());
        return false;
    }
    lastReport_.clear();
    return true;
}

void StateFile::report(const std::string& message) {
    if (message != lastReport_) {
        std::fprintf(stderr, "k47_4g_pc: %s\n", message.c_str());
        lastReport_ = message;
    }
}

}  // namespace k47
