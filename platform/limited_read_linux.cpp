#include "limited_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::optional<std::string> refusedKind(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return std::strerror(EISDIR);
    }
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) {
        return "not a regular file or a pipe";
    }
    return std::nullopt;
}

}  // namespace

LimitedRead readLimited(const std::filesystem::path& file, std::size_t limit, bool firstLineOnly) {
    struct stat status {};
    // Looked at before it is opened: opening a device may already do something.
    if (::stat(file.c_str(), &status) != 0) {
        return {{}, std::strerror(errno)};
    }
    if (auto refusal = refusedKind(status)) {
        return {{}, std::move(refusal)};
    }
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return {{}, std::strerror(errno)};
    }
    LimitedRead result{.bytes = {}, .error = {}, .empty = true};
    if (::fstat(descriptor, &status) != 0) {
        result.error = std::strerror(errno);
    } else {
        result.error = refusedKind(status);
    }
    std::array<char, 4096> chunk;
    while (!result.error) {
        const auto count = ::read(descriptor, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            result.error = std::strerror(errno);
        }
        if (count <= 0) {
            break;
        }
        result.bytes.append(chunk.data(), static_cast<std::size_t>(count));
        result.empty = false;
        const auto lineEnd = firstLineOnly ? result.bytes.find_first_of("\r\n") : std::string::npos;
        if (lineEnd != std::string::npos) {
            result.bytes.resize(lineEnd);
            break;
        }
        if (result.bytes.size() > limit) {
            break;
        }
    }
    ::close(descriptor);
    if (!result.error && result.bytes.size() > limit) {
        result.error = tooLarge(limit, firstLineOnly);
    }
    if (result.error) {
        result.bytes.clear();
    }
    return result;
}

}  // namespace platform
