#include "help_text.h"

#include "setting_table.h"

namespace cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: qumat_pro [Qt options]   open the windows (-platform, -style, -display, ...)\n"
    "       qumat_pro show [--json] [OPTIONS]\n"
    "       qumat_pro set NAME=VALUE... [--format-card] [OPTIONS]\n"
    "       qumat_pro export FILE [--include-identity] [--include-secrets] [OPTIONS]\n"
    "       qumat_pro import FILE [--dry-run] [--format-card] [OPTIONS]\n"
    "       qumat_pro log [--json] [--since DATE] [--camera DEVICE_ID] | log --verify\n"
    "       qumat_pro --help | --version\n";

constexpr std::string_view kDetails =
    "\n"
    "Configures a body-worn camera connected by USB. Without a command it opens its windows,\n"
    "in the language edition ./Language.ini names; a command opens none and needs no display.\n"
    "\n"
    "  show     print every setting as 'NAME = VALUE', or as one JSON object with --json\n"
    "  set      check every NAME=VALUE against the camera, then write each changed group\n"
    "  export   write the settings to FILE, an INI file, leaving out the camera's identity\n"
    "           and the secrets unless asked for them\n"
    "  import   list what FILE changes on the camera (NAME: old -> new), then write it as set\n"
    "           does; --dry-run writes nothing\n"
    "  log      list the changes made to cameras, newest last: time, user, camera, setting,\n"
    "           old -> new, outcome; --since a UTC date or moment, --camera a device ID;\n"
    "           --verify checks the log's chain of SHA-256 hashes\n"
    "\n"
    "  --model common|stc     the camera model: a 32-byte (default) or 56-byte menu record\n"
    "  --user admin|user      log in as the administrator (default) or the user\n"
    "  --password-file FILE   the password is FILE's first line; without it, QUMAT_PASSWORD,\n"
    "                         else it is asked for on the terminal\n"
    "  --format-card          go ahead with a change of storage encryption, which formats the\n"
    "                         memory card and so destroys the recordings on it\n"
    "  --include-identity     export the device ID, officer ID and serial number too\n"
    "  --include-secrets      export the Wi-Fi password, 4G PIN and APN password too; the file\n"
    "                         is then readable by its owner only\n"
    "  -h, --help             show this help;  -v, --version  show the version\n"
    "Options may stand before or after the command; -- ends them.\n"
    "\n"
    "Exit status: 0 done, 1 the camera refused or failed a call (named on stderr), the change\n"
    "log could not be written, or log --verify found it edited; 2 a usage or input error\n"
    "(nothing written).\n"
    "\n"
    "Every change is logged, before the next call to the camera, in\n"
    "$XDG_STATE_HOME/qumat_pro/changes.log (default ~/.local/state/...), or in the file\n"
    "QUMAT_CHANGE_LOG names; QUMAT_CHANGE_LOG=off logs nothing. No change is made that the\n"
    "log cannot take.\n"
    "\n"
    "A list takes one of its entries that the camera offers; 'unsupported' is a list the camera\n"
    "does not offer, 'none' a value that selects no entry. Groups are written identity, network,\n"
    "recording; a failed group stops the ones after it.\n";

constexpr std::size_t kValueColumn = 38;
constexpr std::size_t kWidth = 100;

std::string describe(const Setting& setting) {
    if (setting.readOnly()) {
        return "read only";
    }
    const auto& row = *setting.row;
    if (!setting.isList()) {
        std::string text = "text, at most " + std::to_string(row.limitFor(0)) + " characters";
        if (setting.name == kDeviceIdName) {
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

}  // namespace

std::string_view usageText() {
    return kUsage;
}

std::string helpText() {
    std::string text = std::string(kUsage) + std::string(kDetails);
    for (const auto* model : camera::cameraModels()) {
        text += "\nSettings of the " + std::string(model->name) + " model:\n";
        for (const auto& setting : settingTable(*model)) {
            std::string line = "  " + setting.name;
            line.resize(std::max(kValueColumn, line.size() + 1), ' ');
            text += line + describe(setting) + '\n';
        }
    }
    return text;
}

}  // namespace cli
