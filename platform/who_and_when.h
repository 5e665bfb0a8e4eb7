#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The present moment as ISO 8601: in UTC ("2026-12-08T05:40:03Z"), and the computer's offset
// from UTC then ("+01:00").
struct Moment {
    std::string utc;
    std::string utcOffset;
};
Moment now();

// The operating-system user running the process, and the computer's name.
std::string userName();
std::string hostName();

// Where the user's programs keep state of their own: $XDG_STATE_HOME when absolute, else
// ~/.local/state on Linux, the home an absolute $HOME or else the user database gives;
// %LOCALAPPDATA% on Windows; the current folder when none is named.
std::filesystem::path userStateFolder();

}  // namespace platform
