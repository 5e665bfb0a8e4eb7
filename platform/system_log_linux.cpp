#include "system_log.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "environment.h"

namespace platform {
namespace {

// A line as syslog(3) sends it: user, informational; the local time, in English whatever the
// locale; the name and the process.
std::string syslogLine(std::string_view message) {
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    std::array<char, 64> head{};
    std::snprintf(head.data(), head.size(), "<14>%s %2d %02d:%02d:%02d qumat_pro[%d]: ",
                  kMonths[static_cast<std::size_t>(local.tm_mon) % kMonths.size()], local.tm_mday,
                  local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(::getpid()));
    return std::string(head.data()) + std::string(message);
}

int connectTo(const std::string& place, int& connected) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (place.size() >= sizeof address.sun_path) {
        return ENAMETOOLONG;
    }
    std::memcpy(address.sun_path, place.c_str(), place.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return errno;
    }
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(socket);
        return error;
    }
    connected = socket;
    return 0;
}

}  // namespace

SystemLog::~SystemLog() {
    if (socket_ >= 0) {
        ::close(socket_);
    }
}

std::optional<std::string> SystemLog::write(std::string_view message) {
    const std::string place = environmentText("QUMAT_SYSTEM_LOG_SOCKET").value_or("/dev/log");
    const std::string line = syslogLine(message);
    bool reconnected = false;
    for (;;) {
        if (socket_ < 0) {
            if (const int error = connectTo(place, socket_)) {
                return "no system log at " + place + ": " + std::strerror(error);
            }
        }
        // Never blocking: a receiver that stops reading would hold the program for ever.
        if (::send(socket_, line.data(), line.size(), MSG_DONTWAIT | MSG_NOSIGNAL) >= 0) {
            return std::nullopt;
        }
        const int error = errno;
        if (error == EINTR) {
            continue;
        }
        if (error == EAGAIN || error == EWOULDBLOCK) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(kPatience - waited_);
            pollfd room{.fd = socket_, .events = POLLOUT, .revents = 0};
            const auto start = std::chrono::steady_clock::now();
            const int ready =
                left.count() > 0 ? ::poll(&room, 1, static_cast<int>(left.count())) : 0;
            waited_ += std::chrono::steady_clock::now() - start;
            if (ready > 0 || (ready < 0 && errno == EINTR)) {
                continue;
            }
            return "the system log at " + place + " takes no more lines: its queue is full";
        }
        // The journal restarted and left the old connection behind.
        if ((error == ECONNREFUSED || error == ENOTCONN || error == ECONNRESET) &&
            !std::exchange(reconnected, true)) {
            ::close(socket_);
            socket_ = -1;
            continue;
        }
        return "the system log at " + place + ": " + std::strerror(error);
    }
}

}  // namespace platform
