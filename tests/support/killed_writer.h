#pragma once

#include <chrono>
#include <functional>
#include <random>

namespace testing_support {

// Starts a child process that calls `writeOnce` over and over, and kills it with SIGKILL at a
// random moment up to `latest` after its first call returned, so that the kill lands anywhere in
// a write. False when the child could not start or ended some other way.
bool killWhileWriting(const std::function<void()>& writeOnce, std::chrono::microseconds latest,
                      std::mt19937& random);

}  // namespace testing_support
