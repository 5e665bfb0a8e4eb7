#include "state_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>

#include "state_format.h"

namespace k47 {
namespace {

// A state file is a few dozen lines; anything much larger is not one.
constexpr std::uintmax_t kMaximumFileSize = 64 * 1024;

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

struct FileText {
    std::string text;
    // Why the file gives no text; empty when it does.
    std::string error;
};

bool readAll(int descriptor, std::string& text) {
    char buffer[4096];
    for (;;) {
        const auto count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return count == 0;
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

// What the file holds: its text, or why it gives none; nothing when there is no file. The file is
// opened without waiting, so that a pipe in its place cannot hang the camera.
std::optional<FileText> readText(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return std::nullopt;
    }
    if (descriptor < 0) {
        return FileText{{}, std::string("the file cannot be read: ") + std::strerror(errno)};
    }
    struct stat status {};
    FileText file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        file.error = S_ISDIR(status.st_mode) ? "it is a directory" : "it is not a regular file";
    } else if (static_cast<std::uintmax_t>(status.st_size) > kMaximumFileSize) {
        file.error = "the file is too large to be a camera state file";
    } else if (!readAll(descriptor, file.text)) {
        file.error = std::string("the file cannot be read: ") + std::strerror(errno);
    }
    ::close(descriptor);
    return file;
}

}  // namespace

StateFile::StateFile(std::filesystem::path path) : path_(std::move(path)) {}

CameraState StateFile::load() {
    keepsInvalidFile_ = false;
    const auto file = readText(path_);
    std::string problem;
    if (file && file->error.empty()) {
        // The same text as last time is not parsed again: reading is cheap, parsing is not.
        if (cached_ && cached_->first == file->text) {
            return cached_->second;
        }
        auto parsed = parseState(file->text);
        if (parsed.state) {
            cached_.emplace(file->text, *parsed.state);
            return *parsed.state;
        }
        problem = parsed.error;
    } else if (file) {
        problem = file->error;
    }
    cached_.reset();
    auto factory = factorySettings();
    if (file && !keepAside(problem)) {
        return factory;
    }
    save(factory);
    return factory;
}

bool StateFile::keepAside(const std::string& problem) {
    auto kept = path_;
    kept += ".invalid";
    std::error_code error;
    std::filesystem::rename(path_, kept, error);
    if (error) {
        keepsInvalidFile_ = true;
        report("camera state file " + path_.string() + ", " + problem + "; it cannot be kept as " +
               kept.string() + " (" + error.message() +
               "), so the camera runs on its factory settings and saves no change");
        return false;
    }
    report("camera state file " + path_.string() + ", " + problem +
           "; the camera starts again from its factory settings and the file is kept as " +
           kept.string());
    return true;
}

bool StateFile::save(const CameraState& state) {
    if (keepsInvalidFile_) {
        return false;
    }
    std::error_code ignored;
    if (path_.has_parent_path()) {
        std::filesystem::create_directories(path_.parent_path(), ignored);
    }
    // mkstemp creates the file readable and writable by its owner only.
    std::string temporary = path_.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        report("cannot write the camera state file " + path_.string() + ": " +
               std::strerror(errno));
        return false;
    }
    // The rename alone keeps a killed tool from leaving half a file; waiting for the disk as
    // well would make every call that changes the camera cost milliseconds.
    bool saved = writeAll(descriptor, formatState(state));
    saved = ::close(descriptor) == 0 && saved;
    saved = saved && ::rename(temporary.c_str(), path_.c_str()) == 0;
    if (!saved) {
        report("cannot write the camera state file " + path_.string() + ": " +
               std::strerror(errno));
        ::unlink(temporary.c_str());
    } else {
        lastReport_.clear();
    }
    return saved;
}

void StateFile::report(const std::string& message) {
    if (message != lastReport_) {
        std::fprintf(stderr, "k47_4g_pc: %s\n", message.c_str());
        lastReport_ = message;
    }
}

}  // namespace k47
