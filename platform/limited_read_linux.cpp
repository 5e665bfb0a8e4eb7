#include "limited_read.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace platform {
namespace {

// How long a named pipe may stay without a writer: a script's writer opens it at once, and a
// user who names one that nothing writes to learns so rather than wait for ever.
constexpr auto kWriterPatience = std::chrono::seconds(5);

std::optional<std::string> refusedKind(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return std::strerror(EISDIR);
    }
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) {
        return "not a regular file or a pipe";
    }
    return std::nullopt;
}

// Waits until the pipe has bytes or its writer is gone, until `deadline` or for ever; the reason
// when the wait itself failed. A pipe opened without waiting reads as ended until a writer opens
// it, and polls as hung up only once a writer has come and gone.
std::optional<std::string> awaitPipe(int descriptor,
                                     std::optional<std::chrono::steady_clock::time_point> deadline,
                                     bool& writerGone) {
    int timeout = -1;
    if (deadline) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            *deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return "nothing opened the pipe to write to it within " +
                   std::to_string(kWriterPatience.count()) + " seconds";
        }
        timeout = static_cast<int>(left.count());
    }
    pollfd waiting{.fd = descriptor, .events = POLLIN, .revents = 0};
    const int ready = ::poll(&waiting, 1, timeout);
    if (ready < 0 && errno != EINTR) {
        return std::strerror(errno);
    }
    writerGone = ready > 0 && (waiting.revents & POLLHUP) != 0;
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
    // Without waiting: opening a named pipe would wait, for ever, for a writer.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return {{}, std::strerror(errno)};
    }
    LimitedRead result{.bytes = {}, .error = {}, .empty = true};
    if (::fstat(descriptor, &status) != 0) {
        result.error = std::strerror(errno);
    } else {
        result.error = refusedKind(status);
    }
    // A pipe's end is its writer's going; before a writer came, a read that ends means none yet.
    bool writerSeen = !S_ISFIFO(status.st_mode);
    const auto deadline = std::chrono::steady_clock::now() + kWriterPatience;
    std::array<char, 4096> chunk;
    while (!result.error) {
        const auto count = ::read(descriptor, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        // A writer that has yet to write, or to write more.
        if (count < 0 && errno == EAGAIN) {
            writerSeen = true;
            bool gone = false;
            result.error = awaitPipe(descriptor, std::nullopt, gone);
            continue;
        }
        if (count == 0 && !writerSeen) {
            result.error = awaitPipe(descriptor, deadline, writerSeen);
            continue;
        }
        if (count < 0) {
            result.error = std::strerror(errno);
        }
        if (count <= 0) {
            break;
        }
        writerSeen = true;
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
