#include "system_log.h"

#include <syslog.h>

namespace platform {

void writeSystemLog(std::string_view message) {
    // Opened and closed each time: the process keeps no connection, and nothing of syslog's
    // state outlives the call.
    ::openlog("qumat_pro", LOG_PID, LOG_USER);
    ::syslog(LOG_INFO, "%.*s", static_cast<int>(message.size()), message.data());
    ::closelog();
}

}  // namespace platform
