#pragma once

#include <array>

#include "edition.h"
#include "session.h"

namespace window_logic {

// The login's session, and what each edition's windows remember of the camera's last read: it
// outlives the window that read it, for the whole run.
struct Session : camera::Session {
    std::array<camera::LastRead, editions::kEditionCount> lastRead{};
};

}  // namespace window_logic
