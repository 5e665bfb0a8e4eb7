#include "who_and_when.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace platform {

Moment now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm utc{};
    std::tm local{};
    ::gmtime_r(&seconds, &utc);
    ::localtime_r(&seconds, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &utc);
    const long offset = local.tm_gmtoff;
    // Offsets stay within a day.
    const int minutes = static_cast<int>((offset < 0 ? -offset : offset) / 60 % (24 * 60));
    std::array<char, 8> offsetText{};
    std::snprintf(offsetText.data(), offsetText.size(), "%c%02d:%02d", offset < 0 ? '-' : '+',
                  minutes / 60, minutes % 60);
    return {text.data(), offsetText.data()};
}

std::string userName() {
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr) {
        return found->pw_name;
    }
    // A user the password database does not know is named by number.
    return "uid " + std::to_string(::geteuid());
}

// A relative folder would put the state wherever the program runs: the XDG rules ignore a
// relative XDG_STATE_HOME, and a relative HOME gives way to the home the user database names.
std::filesystem::path userStateFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
        return state;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return std::filesystem::path(home) / ".local" / "state";
    }
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir == '/') {
        return std::filesystem::path(found->pw_dir) / ".local" / "state";
    }
    return ".";
}

std::string hostName() {
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0) {
        return {};
    }
    return name.data();
}

}  // namespace platform
