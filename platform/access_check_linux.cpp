#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "access_check.h"

namespace platform {
namespace {

// "owner root, group plugdev, mode 0664": what decides who may use a file.
std::string ownership(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        return {};
    }
    std::array<char, 4096> buffer{};
    passwd user{};
    passwd* owner = nullptr;
    group entry{};
    group* owners = nullptr;
    const std::string ownerName =
        ::getpwuid_r(status.st_uid, &user, buffer.data(), buffer.size(), &owner) == 0 &&
                owner != nullptr
            ? std::string(owner->pw_name)
            : "uid " + std::to_string(status.st_uid);
    const std::string groupName =
        ::getgrgid_r(status.st_gid, &entry, buffer.data(), buffer.size(), &owners) == 0 &&
                owners != nullptr
            ? std::string(owners->gr_name)
            : "gid " + std::to_string(status.st_gid);
    std::array<char, 8> mode{};
    std::snprintf(mode.data(), mode.size(), "%04o", static_cast<unsigned>(status.st_mode & 07777));
    return "owner " + ownerName + ", group " + groupName + ", mode " + mode.data();
}

// As the process's effective user and groups: those of a program made set-user-ID too.
std::optional<std::string> refusal(const std::filesystem::path& file, int access) {
    if (::faccessat(AT_FDCWD, file.c_str(), access, AT_EACCESS) == 0) {
        return std::nullopt;
    }
    const int error = errno;
    const std::string owners = ownership(file);
    return std::string(std::strerror(error)) + (owners.empty() ? "" : " (" + owners + ")");
}

}  // namespace

std::optional<std::string> folderWriteRefusal(const std::filesystem::path& folder) {
    return refusal(folder, W_OK | X_OK);
}

std::optional<std::string> readWriteRefusal(const std::filesystem::path& file) {
    return refusal(file, R_OK | W_OK);
}

}  // namespace platform
