#include "faults.h"

namespace k47 {

int32_t Faults::successFlag(Function function) const {
    const auto found = successFlags.find(function);
    return found == successFlags.end() ? 1 : found->second;
}

std::chrono::milliseconds Faults::delay(Function function) const {
    const auto found = delays.find(function);
    return std::chrono::milliseconds(found == delays.end() ? 0 : found->second);
}

}  // namespace k47
