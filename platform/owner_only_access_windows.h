#pragma once

#include <windows.h>

#include <system_error>
#include <vector>

namespace platform {

// The process's user, as the token holds it (a TOKEN_USER and its SID).
std::error_code readUser(std::vector<unsigned char>& user);

// Security attributes for a file or folder that its owner alone may use, as mode 0600 (0700 for
// a folder) is on Linux: an access list of its own that grants the process's user everything and
// nobody else anything, and takes nothing from its folder's. Without it a new file inherits the
// folder's list, which on a share lets everyone read it.
class OwnerOnlyAccess {
  public:
    enum class Kind { file, folder };
    explicit OwnerOnlyAccess(Kind kind = Kind::file);
    OwnerOnlyAccess(const OwnerOnlyAccess&) = delete;
    OwnerOnlyAccess& operator=(const OwnerOnlyAccess&) = delete;

    // Why the user or the list could not be had: then nothing is to be created without them.
    const std::error_code& error() const { return error_; }
    // For CreateFileW or CreateDirectoryW.
    SECURITY_ATTRIBUTES* attributes() { return &attributes_; }

  private:
    std::error_code make(Kind kind);

    std::vector<unsigned char> user_;
    std::vector<unsigned char> list_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    // Last: made from the members above.
    std::error_code error_;
};

}  // namespace platform
