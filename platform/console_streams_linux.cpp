#include "console_streams.h"

namespace platform {

ConsoleStreams::ConsoleStreams() = default;

ConsoleStreams::~ConsoleStreams() = default;

}  // namespace platform
