#include "state_file.h"

#include <cstdio>
#include <string_view>
#include <system_error>

#include "state_format.h"
#include "whole_file.h"

namespace k47 {
namespace {

// A state file is a few dozen lines; anything much larger is not one.
constexpr std::size_t kMaximumFileSize = 64 * 1024;

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
    // A folder or a device in the state's place fails every call; no lock file is left beside
    // it, as in /dev.
    std::error_code ignored;
    if (const auto status = std::filesystem::status(path_, ignored);
        std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        lockProblem_ = "is not taken: the camera state file is not a regular file";
        return;
    }
    if (path_.has_parent_path()) {
        std::filesystem::create_directories(path_.parent_path(), ignored);
    }
    auto lockPath = path_;
    lockPath += ".lock";
    using std::chrono::steady_clock;
    constexpr auto kPatience = std::chrono::seconds(2);
    const bool givenUpLately =
        lockGivenUpAt_ && steady_clock::now() - *lockGivenUpAt_ < 2 * kPatience;
    if (const auto problem =
            lock_.take(lockPath, givenUpLately ? std::chrono::milliseconds(0) : kPatience)) {
        lockProblem_ = "the lock file " + lockPath.string() + " " + *problem;
        lockGivenUpAt_ = steady_clock::now();
    } else {
        lockGivenUpAt_.reset();
    }
}

void StateFile::unlock() {
    if (--lockDepth_ == 0) {
        lock_.release();
    }
}

std::optional<CameraState> StateFile::load() {
    const Lock lock(*this);
    keepsInvalidFile_ = false;
    const auto file = platform::readWholeFile(path_, kMaximumFileSize);
    std::string problem;
    switch (file.kind) {
        case platform::WholeFile::Kind::missing: {
            cached_.reset();
            auto factory = factorySettings();
            save(factory);
            return factory;
        }
        case platform::WholeFile::Kind::unusable:
            report("camera state file " + path_.string() + ", " + file.problem +
                   "; the call fails and the file is left as it is");
            return std::nullopt;
        case platform::WholeFile::Kind::text:
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
    auto error = platform::renameWithoutReplacing(file, kept);
    // Earlier invalid files are kept too.
    for (unsigned long number = 1; error == std::errc::file_exists; ++number) {
        kept = file;
        kept += ".invalid." + std::to_string(number);
        error = platform::renameWithoutReplacing(file, kept);
    }
    if (error) {
        keepsInvalidFile_ = true;
        report("camera state file " + path_.string() + ", " + problem + "; it cannot be kept as " +
               kept.string() + " (" + error.message() +
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
    if (!lock_.held()) {
        report("cannot write the camera state file " + path_.string() + ": " + lockProblem_);
        return false;
    }
    if (const auto error = platform::replacePrivateFile(target(), formatState(state), ownerOf)) {
        report("cannot write the camera state file " + path_.string() + ": " + error.message());
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
