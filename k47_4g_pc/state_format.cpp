#include "state_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "byte_text.h"
#include "ini_text.h"

namespace k47 {
namespace {

using platform::equalsIgnoringCase;
using platform::trimBlanks;

// One key of the state file: how it is written from a state and read into one.
struct Key {
    std::string_view section;
    std::string name;
    std::string_view expected;  // for the error message
    std::function<std::string(const CameraState&)> format;
    std::function<bool(CameraState&, std::string_view)> parse;
};

std::optional<int64_t> parseInteger(std::string_view text, int64_t minimum, int64_t maximum) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < minimum ||
        value > maximum) {
        return std::nullopt;
    }
    return value;
}

template <typename Integer>
Key integerKey(std::string_view section, std::string_view name, Integer CameraState::*member,
               std::string_view expected = "a whole number",
               int64_t minimum = std::numeric_limits<Integer>::min()) {
    return {section, std::string(name), expected,
            [member](const CameraState& state) { return std::to_string(state.*member); },
            [member, minimum](CameraState& state, std::string_view value) {
                const auto number =
                    parseInteger(value, minimum, std::numeric_limits<Integer>::max());
                if (number) {
                    state.*member = static_cast<Integer>(*number);
                }
                return number.has_value();
            }};
}

Key textKey(std::string_view section, std::string_view name, std::string CameraState::*member) {
    return {section, std::string(name), "text, other bytes written as \\xHH",
            [member](const CameraState& state) { return escapeText(state.*member); },
            [member](CameraState& state, std::string_view value) {
                const auto text = unescapeText(value);
                if (text) {
                    state.*member = *text;
                }
                return text.has_value();
            }};
}

std::string formatFunctions(const std::set<Function>& functions) {
    if (functions.size() == kFunctionCount) {
        return "all";
    }
    std::string text;
    for (const Function function : functions) {
        if (!text.empty()) {
            text += ',';
        }
        text += functionName(function);
    }
    return text;
}

std::optional<std::set<Function>> parseFunctions(std::string_view text) {
    if (equalsIgnoringCase(trimBlanks(text), "all")) {
        return std::set<Function>(allFunctions().begin(), allFunctions().end());
    }
    std::set<Function> functions;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto name = trimBlanks(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        if (name.empty()) {
            continue;
        }
        const auto function = functionNamed(name);
        if (!function) {
            return std::nullopt;
        }
        functions.insert(*function);
    }
    return functions;
}

Key functionsKey(std::string_view name, std::set<Function> Faults::*member) {
    return {"Faults", std::string(name), "function names separated by commas, or all",
            [member](const CameraState& state) { return formatFunctions(state.faults.*member); },
            [member](CameraState& state, std::string_view value) {
                const auto functions = parseFunctions(value);
                if (functions) {
                    state.faults.*member = *functions;
                }
                return functions.has_value();
            }};
}

const std::vector<Key>& keys() {
    static const std::vector<Key> table = {
        {"Camera", "Attached", "1 or 0",
         [](const CameraState& state) { return std::string(state.attached ? "1" : "0"); },
         [](CameraState& state, std::string_view value) {
             state.attached = value == "1";
             return value == "1" || value == "0";
         }},
        integerKey("Camera", "DeviceAnswer", &CameraState::deviceAnswer),
        // Read before every other key: the model decides the factory values of missing keys.
        {"Camera", "Model", "common or stc",
         [](const CameraState& state) { return std::string(modelName(state.model)); },
         [](CameraState&, std::string_view value) { return modelNamed(value).has_value(); }},
        textKey("Camera", "AdminPassword", &CameraState::adminPassword),
        textKey("Camera", "UserPassword", &CameraState::userPassword),
        textKey("Camera", "Firmware", &CameraState::firmware),
        textKey("Camera", "Card", &CameraState::card),
        integerKey("Camera", "Recordings", &CameraState::recordings, "a count", 0),
        textKey("Camera", "Clock", &CameraState::clock),
        textKey("Identity", "DeviceId", &CameraState::deviceId),
        textKey("Identity", "OfficerId", &CameraState::officerId),
        integerKey("Network", "WifiStation", &CameraState::wifiStation, "a byte from 0 to 255"),
        textKey("Network", "Ssid", &CameraState::ssid),
        textKey("Network", "WifiPassword", &CameraState::wifiPassword),
        textKey("Network", "Apn", &CameraState::apn),
        textKey("Network", "Pin", &CameraState::pin),
        textKey("Network", "ServerIp", &CameraState::serverIp),
        textKey("Network", "ServerPort", &CameraState::serverPort),
        textKey("Network", "ApnUser", &CameraState::apnUser),
        textKey("Network", "ApnPassword", &CameraState::apnPassword),
        textKey("Serial", "Number", &CameraState::serialNumber),
        {"Menu", "Record", "the model's record size in two-digit hex bytes",
         [](const CameraState& state) { return hexBytes(state.menuRecord); },
         [](CameraState& state, std::string_view value) {
             auto bytes = parseHexBytes(value);
             if (!bytes || bytes->size() != menuRecordSize(state.model)) {
                 return false;
             }
             state.menuRecord = std::move(*bytes);
             return true;
         }},
        functionsKey("Fail", &Faults::failing),
        functionsKey("Untouched", &Faults::untouched),
        functionsKey("Unterminated", &Faults::unterminated),
        functionsKey("Ignore", &Faults::ignored),
    };
    return table;
}

// The keys of one function each, "Flag.GetZFYInfo=2": a number per function, kept in a map of
// the faults.
struct FunctionKeys {
    std::string_view prefix;
    std::map<Function, int32_t> Faults::*member;
    std::string_view expected;
    int64_t minimum;
    int64_t maximum;

    Key key(Function function) const {
        return {"Faults", std::string(prefix) + std::string(functionName(function)), expected,
                [*this, function](const CameraState& state) {
                    return std::to_string((state.faults.*member).at(function));
                },
                [*this, function](CameraState& state, std::string_view value) {
                    const auto number = parseInteger(value, minimum, maximum);
                    if (number) {
                        (state.faults.*member)[function] = static_cast<int32_t>(*number);
                    }
                    return number.has_value();
                }};
    }
};

// A delay longer than ten minutes is a mistake.
constexpr std::array kFunctionKeys{
    FunctionKeys{"Flag.", &Faults::successFlags, "a whole number",
                 std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()},
    FunctionKeys{"Delay.", &Faults::delays, "a number of milliseconds up to 600000", 0, 600000},
};

struct Assignment {
    Key key;
    std::string value;
    int line;
};

// The key a "name=value" line of a section sets, if the state file has such a key.
std::optional<Key> findKey(std::string_view section, std::string_view name) {
    for (const auto& keys : kFunctionKeys) {
        if (equalsIgnoringCase(section, "Faults") && name.size() > keys.prefix.size() &&
            equalsIgnoringCase(name.substr(0, keys.prefix.size()), keys.prefix)) {
            const auto function = functionNamed(name.substr(keys.prefix.size()));
            return function ? std::optional(keys.key(*function)) : std::nullopt;
        }
    }
    for (const Key& key : keys()) {
        if (equalsIgnoringCase(key.section, section) && equalsIgnoringCase(key.name, name)) {
            return key;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> knownSection(std::string_view name) {
    for (const std::string_view section :
         {"Camera", "Identity", "Network", "Serial", "Menu", "Faults"}) {
        if (equalsIgnoringCase(section, name)) {
            return section;
        }
    }
    return std::nullopt;
}

StateParseResult failure(int line, std::string reason) {
    return {std::nullopt, "line " + std::to_string(line) + ": " + reason};
}

}  // namespace

std::string formatState(const CameraState& state) {
    std::string text =
        "; The emulated camera's state. Every key is described in the README, section\n"
        "; \"The emulated camera\"; the camera reads this file at every call.\n";
    std::string_view section;
    for (const Key& key : keys()) {
        if (key.section != section) {
            section = key.section;
            text += "\n[" + std::string(section) + "]\n";
        }
        text += key.name + "=" + key.format(state) + "\n";
    }
    for (const auto& keys : kFunctionKeys) {
        for (const auto& entry : state.faults.*keys.member) {
            const Key key = keys.key(entry.first);
            text += key.name + "=" + key.format(state) + "\n";
        }
    }
    return text;
}

StateParseResult parseState(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        return {std::nullopt, "the file is not a text file"};
    }
    std::vector<Assignment> assignments;
    std::optional<std::string_view> section;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto newline = text.find('\n');
        auto line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = trimBlanks(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = knownSection(trimBlanks(line.substr(1, line.size() - 2)));
            if (!section) {
                return failure(lineNumber, "unknown section " + std::string(line));
            }
            continue;
        }
        const auto equals = line.find('=');
        if (!section || equals == std::string_view::npos) {
            return failure(lineNumber, "expected a [section] or a key=value line");
        }
        const auto name = trimBlanks(line.substr(0, equals));
        auto key = findKey(*section, name);
        if (!key) {
            return failure(lineNumber, "unknown key " + std::string(name) + " in [" +
                                           std::string(*section) + "]");
        }
        const bool repeated = std::ranges::any_of(assignments, [&](const Assignment& earlier) {
            return earlier.key.section == key->section && earlier.key.name == key->name;
        });
        if (repeated) {
            return failure(lineNumber, "key " + std::string(name) + " appears twice");
        }
        assignments.push_back(
            {std::move(*key), std::string(trimBlanks(line.substr(equals + 1))), lineNumber});
    }

    const auto modelAssignment = std::ranges::find_if(
        assignments, [](const Assignment& assignment) { return assignment.key.name == "Model"; });
    auto model = Model::common;
    if (modelAssignment != assignments.end()) {
        const auto named = modelNamed(modelAssignment->value);
        if (!named) {
            return failure(modelAssignment->line, "Model must be common or stc");
        }
        model = *named;
    }
    CameraState state = factorySettings(model);
    for (const Assignment& assignment : assignments) {
        if (!assignment.key.parse(state, assignment.value)) {
            return failure(assignment.line, assignment.key.name + "=" + assignment.value +
                                                " is not " + std::string(assignment.key.expected));
        }
    }
    return {std::move(state), {}};
}

}  // namespace k47
