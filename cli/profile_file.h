#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "change_request.h"
#include "setting.h"
#include "setting_value.h"

namespace cli {

// What an export keeps besides the settings every camera of a fleet shares.
struct ProfileContent {
    bool identity = false;
    bool secrets = false;
};

// A settings profile: an INI file with one section per group and `key = value` lines, after a
// comment naming the model and the firmware it was read from. A value with blanks at either
// end, a quote or a control character is written in quotes, with \" \\ and \xHH inside.
std::string profileText(const std::vector<Setting>& table, const camera::SettingValues& values,
                        const camera::CameraModel& model, ProfileContent content);

// A value as a profile holds it: as it is, or in quotes when it needs them (see above).
std::string escapedText(std::string_view value);
// The value that escapedText wrote as `value` (or a hand's quotes around a value that needs none),
// a camera's kept byte as the byte itself; nothing when its opening quote is not closed at its
// end, or an escape inside is not \", \\ or \xHH.
std::optional<std::string> unescapedText(std::string_view value);

bool holdsSecrets(const std::vector<Setting>& table, ProfileContent content);

struct ProfileReading {
    // As the first comment names it, when it does.
    const camera::CameraModel* model = nullptr;
    std::vector<Request> requests;
    // "line N: what is wrong", one per line that cannot be read.
    std::vector<std::string> errors;
};

// Reads a profile written by profileText or by hand, in UTF-8 or in UTF-16 with its byte-order
// mark: lines end at LF, CR or CR LF, the last one too (without it the profile was cut short, an
// error); blank lines and lines starting with ';'
// or '#' are comments; blanks around keys and values do not count; a value with a NUL byte is an
// error.
ProfileReading readProfile(std::string_view text);

}  // namespace cli
