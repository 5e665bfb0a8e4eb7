#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue.h"

namespace cli {

enum class Command { show, set, exportProfile, importProfile, log };

std::optional<Command> commandNamed(std::string_view name);

// Where the command stands among the arguments: the first that is neither an option nor an
// option's value ("--model stc show"); nothing when that one is not a command.
std::optional<std::size_t> commandIndex(const std::vector<std::string>& arguments);

// A command line after the program's name: the command, then options and operands in any order.
struct Options {
    Command command = Command::show;
    const camera::CameraModel* model = &camera::commonModel();
    int32_t userType = 0;
    std::optional<std::string> passwordFile;
    bool help = false;
    bool json = false;
    bool formatCard = false;
    bool dryRun = false;
    bool includeIdentity = false;
    bool includeSecrets = false;
    bool verify = false;
    // log: entries from this moment (UTC, ISO 8601) on, and of this camera only.
    std::optional<std::string> since;
    std::optional<std::string> camera;
    std::vector<std::string> operands;
};

// The options, or the reason they cannot be used: an option unknown or not of this command, a
// missing or wrong value, too few or too many operands.
std::variant<Options, std::string> parseOptions(const std::vector<std::string>& arguments);

}  // namespace cli
