#pragma once

#include <string>
#include <vector>

#include "change_check.h"
#include "setting.h"

namespace cli {

// One NAME=VALUE of a set, or one line of a profile.
struct Request {
    std::string name;
    std::string value;
};

// Unknown, read-only and repeated names: one line each. Checked before the camera is asked.
std::vector<std::string> checkNames(const std::vector<Request>& requests,
                                    const std::vector<Setting>& table);

// The requests, their names checked, as changes of the model's rows.
std::vector<camera::SettingChange> settingChanges(const std::vector<Request>& requests,
                                                  const std::vector<Setting>& table);

// One line per refusal of the settings model: "name: why".
std::vector<std::string> refusalLines(const std::vector<camera::Refusal>& refusals,
                                      const std::vector<Request>& requests, int deviceKind);

}  // namespace cli
