#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue.h"

namespace cli {

// One camera's identity, as a row of the identities file gives it.
struct IdentityRow {
    std::size_t line = 0;
    std::string deviceId;
    std::string officerId;
    // Empty when the file matches rows to cameras by order.
    std::string serialNumber;
};

struct IdentityList {
    std::vector<IdentityRow> rows;
    // The file has an identity.serial_number column: each camera takes the row of its serial.
    bool bySerial = false;
};

// The identities file: CSV with a header of setting names (identity.device_id,
// identity.officer_id, and identity.serial_number to match on). Every row is checked before any
// camera is: columns known and each once, values within their typing limits and the code page,
// no device ID, officer ID or serial number twice. The list, or one "line N: ..." per refusal.
std::variant<IdentityList, std::vector<std::string>> readIdentities(
    std::string_view text, const camera::CameraModel& model);

}  // namespace cli
