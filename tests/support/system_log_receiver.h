#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "environment_variable.h"

namespace testing_support {

// A system log of the test's own: a datagram socket in the test's folder, which the program sends
// to in place of /dev/log (QUMAT_SYSTEM_LOG_SOCKET names it while the receiver lives). It reads
// only when asked to, as a stalled system log never does.
class SystemLogReceiver {
  public:
    explicit SystemLogReceiver(const std::filesystem::path& folder) : path_(folder / "log.socket") {
        socket_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        bound_ = ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        setEnvironmentVariable("QUMAT_SYSTEM_LOG_SOCKET", path_.c_str());
    }
    SystemLogReceiver(const SystemLogReceiver&) = delete;
    SystemLogReceiver& operator=(const SystemLogReceiver&) = delete;
    ~SystemLogReceiver() {
        setOrRemoveEnvironmentVariable("QUMAT_SYSTEM_LOG_SOCKET", nullptr);
        ::close(socket_);
    }

    bool bound() const { return bound_; }

    // The lines waiting, added to those taken before.
    const std::vector<std::string>& take() {
        std::array<char, 4096> line{};
        for (;;) {
            const auto size = ::recv(socket_, line.data(), line.size(), MSG_DONTWAIT);
            if (size < 0) {
                return lines_;
            }
            lines_.emplace_back(line.data(), static_cast<std::size_t>(size));
        }
    }

    // Whether a line taken ends with the hash, as the change log's lines do.
    bool took(std::string_view hash) const {
        return std::ranges::any_of(lines_, [hash](const std::string& line) {
            return std::string_view(line).ends_with(hash);
        });
    }

    // Sends to itself until its queue takes no more, as that of a receiver that stopped reading.
    void fill() const {
        const int sender = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        if (::connect(sender, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            while (::send(sender, "x", 1, MSG_DONTWAIT) == 1) {
            }
        }
        ::close(sender);
    }

  private:
    std::filesystem::path path_;
    int socket_ = -1;
    bool bound_ = false;
    std::vector<std::string> lines_;
};

}  // namespace testing_support
