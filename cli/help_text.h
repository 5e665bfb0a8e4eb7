#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "options.h"

namespace cli {

// The program with the windows, whose synopsis also opens them.
inline constexpr std::string_view kWindowsProgram = "qumat_pro";

// The synopsis, which also follows a usage error.
std::string usageText(std::string_view program);
// --help: the synopsis, the commands and options, and every setting of both models with the
// values it takes. COMMAND --help: that command's synopsis and options, and for the commands that
// name settings, the settings of `model`.
std::string helpText(std::string_view program, std::optional<Command> command = std::nullopt,
                     const camera::CameraModel& model = camera::commonModel());

}  // namespace cli
