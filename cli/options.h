#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue.h"

namespace cli {

enum class Command { show, get, set, exportProfile, importProfile, log, provision, wait, doctor };

std::optional<Command> commandNamed(std::string_view name);
std::string_view commandName(Command command);

// Where the command stands among the arguments: the first that is neither an option nor an
// option's value ("--model stc show"); nothing when that one is not a command.
std::optional<std::size_t> commandIndex(const std::vector<std::string>& arguments);

// Whether the arguments ask show for JSON: "--json" among its options, however the rest of them
// parse, so that a refused command line still answers in JSON.
bool asksForJson(const std::vector<std::string>& arguments);

// A command line after the program's name: options and operands in any order around the command.
struct Options {
    // Nothing for --help or --version alone.
    std::optional<Command> command;
    const camera::CameraModel* model = &camera::commonModel();
    int32_t userType = 0;
    std::optional<std::string> passwordFile;
    bool help = false;
    bool version = false;
    // Only errors; every camera call and its flag on the error stream.
    bool quiet = false;
    bool verbose = false;
    bool json = false;
    bool showSecrets = false;
    bool formatCard = false;
    bool dryRun = false;
    // A dry run that found changes to make exits kChangesPending.
    bool exitCode = false;
    bool includeIdentity = false;
    bool includeSecrets = false;
    bool verify = false;
    // log --verify: SHA-256 hashes of lines, saved earlier, that must still be in the chain.
    std::vector<std::string> expected;
    // log: entries from this moment (UTC, ISO 8601) on, and of this camera only.
    std::optional<std::string> since;
    std::optional<std::string> camera;
    // provision: the identities to give, one row per camera, and the report of each camera.
    std::optional<std::string> identities;
    std::optional<std::string> report;
    // provision: the ODBC connection string of the ledger the workstations share, instead of the
    // report's.
    std::optional<std::string> ledger;
    // provision, with no profile: summarise the report's identities, or free the one in doubt with
    // this camera (a serial number, or the device ID claimed for a camera without one).
    bool status = false;
    std::optional<std::string> release;
    // wait: the state to wait for, and for how long at most (none: for ever).
    bool connected = false;
    bool disconnected = false;
    std::optional<unsigned> timeoutSeconds;
    std::vector<std::string> operands;
};

// The options, or the reason they cannot be used: an option unknown or not of this command, a
// missing or wrong value, too few or too many operands.
std::variant<Options, std::string> parseOptions(const std::vector<std::string>& arguments);

}  // namespace cli
