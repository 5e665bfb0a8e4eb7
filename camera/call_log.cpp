#include "call_log.h"

#include <utility>

namespace camera {

std::vector<std::string_view> CallLog::takeFailures() {
    return std::exchange(failures_, {});
}

void CallLog::before(std::string_view /*function*/) {}

void CallLog::after(std::string_view function, const int32_t* flag) {
    if (flag != nullptr && *flag == 0) {
        failures_.push_back(function);
    }
}

}  // namespace camera
