#pragma once

namespace camera {

// How a write ended: refused by a check before anything was sent, failed by the camera, or done.
enum class WriteOutcome { refused, failed, written };

inline WriteOutcome outcomeOf(int flag) {
    return flag != 0 ? WriteOutcome::written : WriteOutcome::failed;
}

}  // namespace camera
