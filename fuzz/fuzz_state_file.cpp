// Parses arbitrary text as the emulated camera's state file: a hand-edited file must never crash
// the camera, and whatever it accepts must survive being written back and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "state_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto parsed = k47::parseState({reinterpret_cast<const char*>(data), size});
    if (!parsed.state) {
        return 0;
    }
    const auto reread = k47::parseState(k47::formatState(*parsed.state));
    if (!reread.state || !(*reread.state == *parsed.state)) {
        std::abort();
    }
    return 0;
}
