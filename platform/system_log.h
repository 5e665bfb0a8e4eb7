#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The system's own log, which takes lines under the name qumat_pro: syslog's datagram socket on
// Linux (/dev/log, which the journal reads; QUMAT_SYSTEM_LOG_SOCKET names another, as tests do),
// the Application event log on Windows. A log that takes no more lines never holds the program:
// the time spent waiting on one that does not take a line, over the object's life, stays within
// kPatience.
class SystemLog {
  public:
    static constexpr std::chrono::milliseconds kPatience{500};

    SystemLog() = default;
    SystemLog(const SystemLog&) = delete;
    SystemLog& operator=(const SystemLog&) = delete;
    ~SystemLog();

    // Adds an informational line; why it was not taken, when it was not.
    std::optional<std::string> write(std::string_view message);

  private:
    std::chrono::steady_clock::duration waited_{};
#ifndef _WIN32
    int socket_ = -1;
#endif
};

}  // namespace platform
