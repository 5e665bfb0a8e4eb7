#include "options.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <iterator>

namespace cli {
namespace {

// In the order of Command.
constexpr std::array<std::string_view, 9> kCommandNames{
    "show", "get", "set", "export", "import", "log", "provision", "wait", "doctor"};

constexpr std::string_view kCommandFirst =
    "a command first: show, get, set, export, import, provision, wait, log or doctor";

constexpr unsigned bit(Command command) {
    return 1U << static_cast<unsigned>(command);
}

struct Option {
    std::string_view name;
    // "-q" beside "--quiet"; empty when there is none.
    std::string_view shortName;
    // The commands that take it, by bit; 0 for every command.
    unsigned commands = 0;
    // What the switch sets; nothing for an option that takes a value.
    bool Options::*flag = nullptr;
};

constexpr unsigned kChanges = bit(Command::set) | bit(Command::importProfile);
constexpr unsigned kWrites = kChanges | bit(Command::provision);

constexpr Option kOptions[] = {
    {"--model", {}},
    {"--user", {}},
    {"--password-file", {}},
    {"--help", "-h", 0, &Options::help},
    {"--version", "-V", 0, &Options::version},
    {"--quiet", "-q", 0, &Options::quiet},
    {"--verbose", "-v", 0, &Options::verbose},
    {"--json", {}, bit(Command::show) | bit(Command::log) | bit(Command::doctor), &Options::json},
    {"--show-secrets", {}, bit(Command::show) | bit(Command::get) | kWrites, &Options::showSecrets},
    {"--verify", {}, bit(Command::log), &Options::verify},
    {"--since", {}, bit(Command::log)},
    {"--camera", {}, bit(Command::log)},
    {"--expect", {}, bit(Command::log)},
    {"--format-card", {}, kWrites, &Options::formatCard},
    {"--identities", {}, bit(Command::provision)},
    {"--report", {}, bit(Command::provision)},
    {"--ledger", {}, bit(Command::provision) | bit(Command::doctor)},
    {"--status", {}, bit(Command::provision), &Options::status},
    {"--release", {}, bit(Command::provision)},
    {"--connected", {}, bit(Command::wait), &Options::connected},
    {"--disconnected", {}, bit(Command::wait), &Options::disconnected},
    {"--timeout", {}, bit(Command::wait)},
    {"--include-identity", {}, bit(Command::exportProfile), &Options::includeIdentity},
    {"--include-secrets", {}, bit(Command::exportProfile), &Options::includeSecrets},
    {"--dry-run", {}, kChanges, &Options::dryRun},
    {"--exit-code", {}, bit(Command::importProfile), &Options::exitCode},
};

bool isOption(std::string_view argument) {
    return argument.starts_with('-') && argument != "-";
}

// The option `argument` names, by its long name (before any '=') or its short one.
const Option* optionNamed(std::string_view argument) {
    const std::string_view name = argument.substr(0, argument.find('='));
    for (const Option& option : kOptions) {
        if (option.name == name || option.shortName == argument) {
            return &option;
        }
    }
    return nullptr;
}

// "2026-12-08", "2026-12-08T05:40" or "2026-12-08T05:40:03".
bool isMoment(std::string_view text) {
    constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != 10 && text.size() != 16 && text.size() != 19) {
        return false;
    }
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool digit = text[at] >= '0' && text[at] <= '9';
        if (kShape[at] == 'd' ? !digit : text[at] != kShape[at]) {
            return false;
        }
    }
    return true;
}

// A moment of that shape that the calendar and the clock have: no 30 February, no 25:99.
bool isRealMoment(std::string_view moment) {
    const auto number = [&](std::size_t at, std::size_t digits) {
        unsigned value = 0;
        for (const char c : moment.substr(at, digits)) {
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        return value;
    };
    const std::chrono::year_month_day day{std::chrono::year(static_cast<int>(number(0, 4))),
                                          std::chrono::month(number(5, 2)),
                                          std::chrono::day(number(8, 2))};
    return day.ok() && (moment.size() < 16 || (number(11, 2) < 24 && number(14, 2) < 60)) &&
           (moment.size() < 19 || number(17, 2) < 60);
}

// As --verify and the system log print it: 64 lower-case hexadecimal digits.
bool isSha256(std::string_view text) {
    return text.size() == 64 && std::ranges::all_of(text, [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// Sets an option that takes a value; the reason when the value is not one it takes.
std::optional<std::string> applyValue(std::string_view name, const std::string& value,
                                      Options& options) {
    if (name == "--password-file") {
        options.passwordFile = value;
    } else if (name == "--since") {
        if (!isMoment(value)) {
            return "--since takes a UTC date, YYYY-MM-DD, or a moment, YYYY-MM-DDTHH:MM[:SS]";
        }
        if (!isRealMoment(value)) {
            return "--since " + value + ": no such date or time";
        }
        options.since = value;
    } else if (name == "--expect") {
        if (!isSha256(value)) {
            return "--expect takes a line's SHA-256: 64 lower-case hexadecimal digits";
        }
        options.expected.push_back(value);
    } else if (name == "--camera") {
        options.camera = value;
    } else if (name == "--identities") {
        options.identities = value;
    } else if (name == "--report") {
        options.report = value;
    } else if (name == "--ledger") {
        options.ledger = value;
    } else if (name == "--release") {
        options.release = value;
    } else if (name == "--timeout") {
        // A day at most: a longer wait is a mistyped one.
        constexpr unsigned kLongest = 86400;
        unsigned seconds = 0;
        const bool digits = !value.empty() && value.size() <= 5 &&
                            std::ranges::all_of(value, [](char c) { return c >= '0' && c <= '9'; });
        for (const char c : digits ? value : std::string()) {
            seconds = seconds * 10 + static_cast<unsigned>(c - '0');
        }
        if (!digits || seconds > kLongest) {
            return "--timeout takes whole seconds, from 0 to 86400";
        }
        options.timeoutSeconds = seconds;
    } else if (name == "--user") {
        if (value != "admin" && value != "user") {
            return "--user is admin or user";
        }
        options.userType = value == "admin" ? 0 : 1;
    } else {
        const auto* model = camera::modelNamed(value);
        if (model == nullptr) {
            return "--model is common or stc";
        }
        options.model = model;
    }
    return std::nullopt;
}

std::optional<std::string> checkOperands(const Options& options, std::string_view command) {
    const std::size_t count = options.operands.size();
    if (options.exitCode && !options.dryRun) {
        return "--exit-code goes with --dry-run";
    }
    if (!options.expected.empty() && !options.verify) {
        return "--expect goes with --verify";
    }
    switch (*options.command) {
        case Command::show:
            return std::nullopt;
        case Command::log:
        case Command::doctor:
            return count == 0 ? std::nullopt
                              : std::optional(std::string(command) + " takes no operand");
        case Command::get:
            return count > 0 ? std::nullopt
                             : std::optional<std::string>("get needs at least one NAME");
        case Command::set:
            return count > 0 ? std::nullopt
                             : std::optional<std::string>("set needs at least one NAME=VALUE");
        case Command::wait:
            if (options.connected == options.disconnected) {
                return std::string("wait needs one of --connected and --disconnected");
            }
            return count == 0 ? std::nullopt
                              : std::optional(std::string(command) + " takes no operand");
        case Command::provision:
            if (!options.status && !options.release) {
                return count == 1 ? std::nullopt
                                  : std::optional<std::string>("provision needs one PROFILE");
            }
            if (options.status && options.release) {
                return std::string("provision takes --status or --release, not both");
            }
            if (!options.report && !options.ledger) {
                return std::string("provision --status and --release need --report or --ledger");
            }
            if (options.report && options.ledger) {
                return std::string(
                    "provision --status and --release take --report or --ledger, "
                    "not both");
            }
            if (options.release && options.identities) {
                return std::string("provision --release takes no --identities");
            }
            return count == 0 ? std::nullopt
                              : std::optional<std::string>(
                                    "provision --status and --release take no PROFILE");
        case Command::exportProfile:
        case Command::importProfile:
            break;
    }
    return count == 1 ? std::nullopt : std::optional(std::string(command) + " needs one FILE");
}

}  // namespace

std::optional<Command> commandNamed(std::string_view name) {
    const auto found = std::ranges::find(kCommandNames, name);
    if (found == kCommandNames.end()) {
        return std::nullopt;
    }
    return static_cast<Command>(found - kCommandNames.begin());
}

std::string_view commandName(Command command) {
    return kCommandNames[static_cast<std::size_t>(command)];
}

std::optional<std::size_t> commandIndex(const std::vector<std::string>& arguments) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--") {
            ++index;
        } else if (isOption(argument)) {
            // An option's value is not the command: "--model stc".
            const Option* option = optionNamed(argument);
            if (option != nullptr && option->flag == nullptr && argument == option->name) {
                ++index;
            }
            continue;
        }
        if (index >= arguments.size()) {
            break;
        }
        return commandNamed(arguments[index]) ? std::optional(index) : std::nullopt;
    }
    return std::nullopt;
}

bool asksForJson(const std::vector<std::string>& arguments) {
    const auto at = commandIndex(arguments);
    if (!at || commandNamed(arguments[*at]) != Command::show) {
        return false;
    }
    for (std::size_t index = 0; index < arguments.size() && arguments[index] != "--"; ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--json") {
            return true;
        }
        // Another option's value, even when it reads "--json".
        const Option* option = isOption(argument) ? optionNamed(argument) : nullptr;
        if (option != nullptr && option->flag == nullptr && argument == option->name) {
            ++index;
        }
    }
    return false;
}

std::variant<Options, std::string> parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    const auto at = commandIndex(arguments);
    if (at) {
        options.command = commandNamed(arguments[*at]);
    }
    const std::string named = at ? arguments[*at] : "the program";
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (at && index == *at) {
            continue;
        }
        if (argument == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOption(argument)) {
            if (!at) {
                return std::string(kCommandFirst);
            }
            options.operands.push_back(argument);
            continue;
        }
        const auto equals = argument.find('=');
        const std::string_view name = std::string_view(argument).substr(0, equals);
        const Option* option = optionNamed(argument);
        // Without a command, only --help and --version.
        const unsigned commands = option == nullptr       ? 0
                                  : option->commands != 0 ? option->commands
                                                          : ~0U;
        const bool taken = at ? (commands & bit(*options.command)) != 0
                              : option != nullptr && (option->flag == &Options::help ||
                                                      option->flag == &Options::version);
        if (!taken) {
            // An option of the commands, given before any command.
            if (!at && option != nullptr) {
                return std::string(kCommandFirst);
            }
            return "unknown option '" + std::string(name) + "' for " + named;
        }
        if (option->flag != nullptr) {
            if (equals != std::string::npos) {
                return std::string(name) + " takes no value";
            }
            options.*(option->flag) = true;
            continue;
        }
        if (equals == std::string::npos && index + 1 == arguments.size()) {
            return std::string(name) + " needs a value";
        }
        const std::string value =
            equals != std::string::npos ? argument.substr(equals + 1) : arguments[++index];
        if (auto refusal = applyValue(name, value, options)) {
            return *refusal;
        }
    }
    if (!at && !options.help && !options.version) {
        return std::string(kCommandFirst);
    }
    if (options.help || options.version) {
        return options;
    }
    if (auto refusal = checkOperands(options, named)) {
        return *refusal;
    }
    return options;
}

}  // namespace cli
