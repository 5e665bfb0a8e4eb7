#pragma once

#include <string>
#include <vector>

#include "setting.h"
#include "setting_value.h"

namespace cli {

// One NAME=VALUE of a set, or one line of a profile.
struct Request {
    std::string name;
    std::string value;
};

// Unknown, read-only and repeated names: one line each. Checked before the camera is asked.
std::vector<std::string> checkNames(const std::vector<Request>& requests,
                                    const std::vector<Setting>& table);

struct CheckContext {
    const std::vector<Setting>& table;
    const Values& current;
    int deviceKind = 0;
    bool formatCard = false;
};

struct CheckedChanges {
    // The values read with the requests' values in place.
    Values wanted;
    // The settings whose value changes, in table order.
    std::vector<std::string> changed;
    // One line per refused request; nothing may be written when there is one.
    std::vector<std::string> refusals;
};

// The checks the window makes as one types or presses Set, against the camera's values: a list
// takes one of the values the camera offers, by its name or as the model's window words it, a text
// keeps to its field's limit (the device ID also to the length the camera's has), a control the
// window disables for the device kind takes no change, and a change of storage encryption needs
// --format-card. A request for the value the camera already has always passes.
CheckedChanges checkValues(const std::vector<Request>& requests, const CheckContext& context);

}  // namespace cli
