#pragma once

#include <string>

namespace camera {

// How a write ended: refused by a check before anything was sent, failed by the camera, or done.
enum class WriteOutcome { refused, failed, written };

inline WriteOutcome outcomeOf(int flag) {
    return flag != 0 ? WriteOutcome::written : WriteOutcome::failed;
}

// A text read that shows what the buffer holds after the call, whatever the flag.
struct TextReading {
    bool succeeded = false;
    std::u16string text;
};

}  // namespace camera
