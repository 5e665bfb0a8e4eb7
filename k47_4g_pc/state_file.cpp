#include "state_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
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

}  // namespace

StateFile::StateFile(std::filesystem::path path) : path_(std::move(path)) {}

CameraState StateFile::load() {
    std::error_code error;
    const auto size = std::filesystem::file_size(path_, error);
    if (error == std::errc::no_such_file_or_directory) {
        auto factory = factorySettings();
        save(factory);
        return factory;
    }
    StateParseResult parsed;
    std::ifstream stream(path_, std::ios::binary);
    if (error || !stream) {
        report("cannot read the camera state file " + path_.string() +
               "; the camera runs on its factory settings");
        return factorySettings();
    }
    if (size > kMaximumFileSize) {
        parsed.error = "the file is too large to be a camera state file";
    } else {
        parsed = parseState(
            std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()));
    }
    if (parsed.state) {
        return *parsed.state;
    }
    auto kept = path_;
    kept += ".invalid";
    std::filesystem::rename(path_, kept, error);
    report("camera state file " + path_.string() + ", " + parsed.error +
           "; the camera starts again from its factory settings and the file is kept as " +
           kept.string());
    auto factory = factorySettings();
    save(factory);
    return factory;
}

bool StateFile::save(const CameraState& state) {
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
    bool saved = writeAll(descriptor, formatState(state)) && ::fsync(descriptor) == 0;
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
