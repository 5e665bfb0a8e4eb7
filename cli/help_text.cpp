#include "help_text.h"

#include <algorithm>

#include "setting_keys.h"
#include "setting_table.h"

namespace cli {
namespace {

struct CommandHelp {
    Command command;
    // After the program's name; a line for each way the command is used.
    std::string_view synopsis;
    std::string_view description;
    std::string_view options;
};

constexpr CommandHelp kCommands[] = {
    {Command::show, "show [NAME|GROUP...] [--json] [--show-secrets]",
     "  show     print the settings, or those named and the groups' (identity, network,\n"
     "           recording, status), as 'NAME = VALUE'; with --json one object of groups\n",
     "  --json                 one JSON object: model, device_kind, then one object per group;\n"
     "                         a failure, a refused command line too, as {\"error\", \"call\"}\n"},
    {Command::get, "get NAME... [--show-secrets]",
     "  get      print the values alone, one a line, in the order named\n", ""},
    {Command::set, "set NAME=VALUE... [--dry-run] [--format-card] [--show-secrets]",
     "  set      check every NAME=VALUE against the camera, then write each changed group;\n"
     "           a secret's VALUE may be - (a line of standard input) or @FILE (its first line)\n",
     "  --dry-run              list the changes (NAME: old -> new) and write nothing\n"
     "  --format-card          go ahead with a change of storage encryption, which formats the\n"
     "                         memory card and so destroys the recordings on it\n"},
    {Command::exportProfile, "export FILE|- [--include-identity] [--include-secrets]",
     "  export   write the settings to FILE (- for standard output), an INI file, leaving out\n"
     "           the camera's identity and the secrets unless asked for them\n",
     "  --include-identity     export the device ID, officer ID and serial number too\n"
     "  --include-secrets      export the Wi-Fi password, 4G PIN and APN password too; the file\n"
     "                         is then readable by its owner only\n"},
    {Command::importProfile,
     "import FILE|- [--dry-run [--exit-code]] [--format-card] [--show-secrets]",
     "  import   list what FILE (- for standard input) changes on the camera (NAME: old -> new),\n"
     "           then write it as set does\n",
     "  --dry-run              list the changes and write nothing\n"
     "  --exit-code            with --dry-run: exit status 3 when there are changes to write\n"
     "  --format-card          go ahead with a change of storage encryption, which formats the\n"
     "                         memory card and so destroys the recordings on it\n"},
    {Command::provision,
     "provision PROFILE|- [--identities FILE.csv] [--report FILE.csv] [--format-card]\n"
     "provision PROFILE|- [--identities FILE.csv] --ledger CONNECTION [--report FILE.csv]\n"
     "provision --report FILE.csv|--ledger CONNECTION --status [--identities FILE.csv]\n"
     "provision --report FILE.csv|--ledger CONNECTION --release CAMERA",
     "  provision for each camera connected in turn: write PROFILE as import does, and the next\n"
     "           identity of --identities, read it all back, print a line (serial number, device\n"
     "           ID, officer ID, ok or differs: NAMES or failed: why), then wait for the camera "
     "to\n"
     "           be disconnected; ends when the identities are used up, or at Ctrl-C;\n"
     "           --status and --release look after a report's identities, with no camera\n",
     "  --identities FILE.csv  CSV with the columns identity.device_id, identity.officer_id and,\n"
     "                         to match cameras by serial number, identity.serial_number; each\n"
     "                         row goes to one camera, and the profile's identity is left out\n"
     "  --report FILE.csv      the identities' ledger, locked for the run: a row claims each\n"
     "                         identity before it is written, a row per camera follows its\n"
     "                         read-back; a run with the same report gives no identity a camera\n"
     "                         has or may have, and a camera in it keeps its own\n"
     "  --ledger CONNECTION    the identities' ledger that several workstations share: a\n"
     "                         database named by an ODBC connection string (DSN=fleet); the\n"
     "                         identities file is added to it once, and the report keeps this\n"
     "                         workstation's cameras\n"
     "  --status               count the ledger's identities given, in doubt (naming their\n"
     "                         cameras), failed and, with --identities, left\n"
     "  --release CAMERA       free the identity in doubt with a camera that is gone (its serial\n"
     "                         number, or the device ID claimed); the change log records it\n"
     "  --format-card          go ahead with a change of storage encryption, which formats the\n"
     "                         memory card and so destroys the recordings on it\n"},
    {Command::wait, "wait --connected|--disconnected [--timeout SECONDS]",
     "  wait     wait until a camera answers the library's connect call, or until none does\n",
     "  --connected            wait for a camera to be connected\n"
     "  --disconnected         wait for the camera to be disconnected\n"
     "  --timeout SECONDS      give up after SECONDS (at most 86400) with exit status 1\n"},
    {Command::log,
     "log [--json] [--since DATE] [--camera DEVICE_ID] | log --verify [--expect HASH]",
     "  log      list the changes made to cameras, newest last: time, user, camera, setting,\n"
     "           old -> new, outcome; --verify checks the log's chain of SHA-256 hashes\n",
     "  --json                 one JSON object per line\n"
     "  --since DATE           entries from a UTC date, YYYY-MM-DD, or moment, YYYY-MM-DDTHH:MM\n"
     "  --camera DEVICE_ID     entries of one camera\n"
     "  --verify               check the chain: name the first broken line, or count the "
     "entries\n"
     "  --expect HASH          with --verify: check that the line whose SHA-256 is HASH (from the\n"
     "                         system log, or an earlier --verify) is still in the chain\n"},
    {Command::doctor, "doctor [--json] [--ledger CONNECTION]",
     "  doctor   check what a real camera needs of this computer, one line each, ok or FAILED\n"
     "           with what to do: the camera library and its functions, libusb, the camera on\n"
     "           USB and this user's access to it, Language.ini's folder, the change log and its\n"
     "           chain, the system log; calls no camera\n",
     "  --json                 one JSON object: holds, then per check its holds, found, advice\n"
     "  --ledger CONNECTION    also check that the shared identity ledger answers\n"},
};

constexpr std::string_view kSecretsOption =
    "  --show-secrets         print the Wi-Fi password, 4G PIN and APN password, not ********\n";

constexpr std::string_view kCommonOptions =
    "  --model common|stc     the camera model: a 32-byte (default) or 56-byte menu record\n"
    "  --user admin|user      log in as the administrator (default) or the user\n"
    "  --password-file FILE   the password is FILE's first line; without it, QUMAT_PASSWORD,\n"
    "                         else it is asked for on the terminal\n"
    "  -q, --quiet            print only errors and what was asked for\n"
    "  -v, --verbose          print every camera call and its flag on standard error\n"
    "  -h, --help             show this help (COMMAND --help: that command's)\n"
    "  -V, --version          show the version\n"
    "Options may stand before or after the command; -- ends them.\n";

constexpr std::string_view kIntroduction =
    "\n"
    "Configures a body-worn camera connected by USB. A command opens no window and needs no\n"
    "display.\n"
    "\n";

constexpr std::string_view kWindowsIntroduction =
    "\n"
    "Configures a body-worn camera connected by USB. Without a command it opens its windows,\n"
    "in the language edition ./Language.ini names; a command opens none and needs no display.\n"
    "\n";

constexpr std::string_view kExitStatus =
    "\n"
    "Exit status: 0 done; 1 the camera refused or failed a call (named on stderr), was in use\n"
    "by another program (\"the camera is in use by another program (process N)\"; wait and\n"
    "provision wait for it instead), did not hold a value written when read back, a camera of\n"
    "provision was not ok, wait timed out, a check of doctor failed, the output or the change\n"
    "log could not be written (QUMAT_SYSTEM_LOG=required: or its hashes reached no system log),\n"
    "log found a file of the log missing, log --verify found the log edited or an expected hash\n"
    "missing, or memory or the system's text conversion failed; 2 a usage or input error\n"
    "(nothing written); 3 import --dry-run --exit-code found changes to write.\n";

// Where the change log and the system log are on this system.
#ifdef _WIN32
#define QUMAT_CHANGE_LOG_PLACE "%LOCALAPPDATA%\\qumat_pro\\changes.log"
#define QUMAT_SYSTEM_LOG_NAME "the Application event log"
#else
#define QUMAT_CHANGE_LOG_PLACE "$XDG_STATE_HOME/qumat_pro/changes.log (default ~/.local/state/...)"
#define QUMAT_SYSTEM_LOG_NAME "the system log"
#endif

constexpr std::string_view kDetails =
    "\n"
    "Every change is logged before it is sent to the camera, and its outcome after, "
    "in\n" QUMAT_CHANGE_LOG_PLACE
    ", or in the file\n"
    "QUMAT_CHANGE_LOG names; QUMAT_CHANGE_LOG=off logs nothing. No change is made that the\n"
    "log cannot take. Past QUMAT_CHANGE_LOG_SIZE bytes (16 MiB) the log is set aside as\n"
    "changes.log.1, .2, ... and a new one chained to it; log reads them all in order. Each\n"
    "line's SHA-256 also goes to " QUMAT_SYSTEM_LOG_NAME
    ",\n"
    "before the camera is called; when none takes it this is said once, and\n"
    "QUMAT_SYSTEM_LOG=required refuses the change. After writing, set, import and provision\n"
    "read the camera back: a value it does not hold is named ('NAME: wrote X, camera holds Y')\n"
    "and logged with the outcome 'differs'.\n"
    "\n"
    "A list takes one of its entries that the camera offers; 'unsupported' is a list the camera\n"
    "does not offer, 'none' a value that selects no entry. Groups are written identity, network,\n"
    "recording; a failed group stops the ones after it. Secrets print as ******** unless\n"
    "--show-secrets is given.\n"
    "\n"
    "A camera text takes no control character (line break, tab, escape). A byte of the camera's\n"
    "that its code page cannot decode prints as \\xHH, which a profile gives back as that byte.\n"
    "QUMAT_ANSI_CODE_PAGE names that code page: 874, 932, 936, 949, 950 or 1250 to 1258; any\n"
    "other value is refused.\n";

constexpr std::size_t kValueColumn = 38;
constexpr std::size_t kWidth = 100;

std::string describe(const Setting& setting) {
    if (setting.readOnly()) {
        return "read only";
    }
    const auto& row = *setting.row;
    if (!setting.isList()) {
        std::string text = "text, at most " + std::to_string(row.limitFor(0)) + " characters";
        if (row.key == camera::keys::kDeviceId) {
            if (row.limitFor(1) != row.limitFor(0)) {
                text += " (" + std::to_string(row.limitFor(1)) + " with 4G or Wi-Fi)";
            }
            text += ", as long as the camera's device ID";
        }
        return text;
    }
    std::string text;
    std::size_t column = kValueColumn;
    for (const auto entry : setting.values()) {
        const std::string item = std::string(text.empty() ? "" : " | ") + std::string(entry);
        if (column + item.size() > kWidth) {
            text += " |\n" + std::string(kValueColumn, ' ') + std::string(entry);
            column = kValueColumn + entry.size();
        } else {
            text += item;
            column += item.size();
        }
    }
    return text;
}

std::string settingsOf(const camera::CameraModel& model) {
    std::string text = "\nSettings of the " + std::string(model.name) + " model:\n";
    for (const auto& setting : settingTable(model)) {
        std::string line = "  " + setting.name;
        line.resize(std::max(kValueColumn, line.size() + 1), ' ');
        text += line + describe(setting) + '\n';
    }
    return text;
}

const CommandHelp& helpOf(Command command) {
    return *std::ranges::find(kCommands, command, &CommandHelp::command);
}

std::string usageLine(bool first, std::string_view program, std::string_view synopsis) {
    const auto end = synopsis.find('\n');
    std::string line = std::string(first ? "Usage: " : "       ") + std::string(program) + " " +
                       std::string(synopsis.substr(0, end)) + '\n';
    // A command used in two ways has a line for each.
    return end == std::string_view::npos
               ? line
               : line + usageLine(false, program, synopsis.substr(end + 1));
}

}  // namespace

std::string usageText(std::string_view program) {
    std::string text;
    if (program == kWindowsProgram) {
        text =
            usageLine(true, program, "[Qt options]   open the windows (-platform, -display, ...)");
    }
    for (const auto& command : kCommands) {
        text += usageLine(text.empty(), program, command.synopsis);
    }
    if (program == kWindowsProgram) {
        text += usageLine(false, program, "--doctor [--json]   doctor, asked as a switch");
    }
    return text + usageLine(false, program, "--help | COMMAND --help | --version");
}

std::string helpText(std::string_view program, std::optional<Command> command,
                     const camera::CameraModel& model) {
    const bool secrets = command == Command::show || command == Command::get ||
                         command == Command::set || command == Command::importProfile ||
                         command == Command::provision;
    if (command) {
        const CommandHelp& help = helpOf(*command);
        std::string text = usageLine(true, program, help.synopsis) + "\n" +
                           std::string(help.description) + "\n" + std::string(help.options) +
                           std::string(secrets ? kSecretsOption : "") +
                           std::string(kCommonOptions) + std::string(kExitStatus);
        const bool namesSettings =
            command == Command::show || command == Command::get || command == Command::set;
        return namesSettings ? text + settingsOf(model) : text;
    }
    std::string text =
        usageText(program) +
        std::string(program == kWindowsProgram ? kWindowsIntroduction : kIntroduction);
    for (const auto& each : kCommands) {
        text += each.description;
    }
    for (const auto& each : kCommands) {
        if (!each.options.empty()) {
            // Appended piece by piece: GCC 12 at -O3 warns of overlaps in "\n" + string (its bug
            // 105329).
            text += '\n';
            text += commandName(each.command);
            text += ":\n";
            text += each.options;
        }
    }
    text += "\nshow, get, set, import, provision:\n" + std::string(kSecretsOption) +
            "\nEvery command:\n" + std::string(kCommonOptions) + std::string(kExitStatus) +
            std::string(kDetails);
    for (const auto* each : camera::cameraModels()) {
        text += settingsOf(*each);
    }
    return text;
}

}  // namespace cli
