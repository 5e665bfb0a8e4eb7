#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <set>

#include "camera_function.h"

namespace k47 {

// The fault switches a tester sets in the state file to see how the tool copes with a camera that
// misbehaves.
struct Faults {
    // Report failure (flag 0) without doing anything.
    std::set<Function> failing;
    // Report success but leave the caller's output buffers as they were.
    std::set<Function> untouched;
    // Report success but keep nothing: a camera that does not take a write.
    std::set<Function> ignored;
    // Fill every text field of the output to its full width, with no zero byte.
    std::set<Function> unterminated;
    // The flag value reported on success, when not 1.
    std::map<Function, int32_t> successFlags;
    // How long a function takes to answer, in milliseconds, when not at once: a slow camera.
    std::map<Function, int32_t> delays;

    bool fails(Function function) const { return failing.contains(function); }
    bool leavesUntouched(Function function) const { return untouched.contains(function); }
    bool ignores(Function function) const { return ignored.contains(function); }
    bool leavesUnterminated(Function function) const { return unterminated.contains(function); }
    int32_t successFlag(Function function) const;
    std::chrono::milliseconds delay(Function function) const;

    bool operator==(const Faults&) const = default;
};

}  // namespace k47
