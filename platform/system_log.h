#pragma once

#include <string_view>

namespace platform {

// Adds an informational line to the system's own log, under the name qumat_pro: syslog on Linux
// (which the journal keeps), the Application event log on Windows. Nothing is reported when the
// system log takes nothing: it is a copy kept elsewhere, not the record itself.
void writeSystemLog(std::string_view message);

}  // namespace platform
