#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform {

// Makes `folder` and the folders above it that are missing, each its owner's alone.
std::error_code makeOwnerOnlyFolders(const std::filesystem::path& folder);

// A file that only grows: every line is appended with one write and on the disk before append
// returns, so that a process killed at any moment leaves whole lines.
class AppendFile {
  public:
    AppendFile() = default;
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    ~AppendFile();

    // Opens the file, in place of any opened before, making it (readable and writable by its
    // owner only) and its folders (the owner's only) when missing; std::errc::invalid_argument when
    // it is not a regular file, and std::errc::too_many_symbolic_link_levels when it is a symbolic
    // link, which is never followed: a link that another user made in a shared folder would have
    // the file's owner append to a file of the link's choosing.
    std::error_code open(const std::filesystem::path& file);
    // The user who owns the open file, by name, when it is neither the process's user nor the
    // administrator (root; on Windows the Administrators group or the system account): someone
    // who could rewrite what this process appends. Empty otherwise.
    std::string foreignOwner() const;

    // Appends what `bytesAfter` makes of the file's last `tailLimit` bytes, holding the file
    // against other writers from the read to the end of the write.
    std::error_code append(std::size_t tailLimit,
                           const std::function<std::string(std::string_view tail)>& bytesAfter);

    // The open file's size, and its first `limit` bytes.
    std::error_code size(std::uint64_t& bytes) const;
    std::error_code readHead(std::size_t limit, std::string& head) const;

    // Only from within `bytesAfter`, which holds the file: a copy of it under the name `aside`,
    // on the disk, which replaces what had that name; made beside it first, so that a process
    // killed on the way leaves no part of a copy there.
    std::error_code copyTo(const std::filesystem::path& aside) const;
    // Takes the file's last `bytes` off: only from within `bytesAfter`.
    std::error_code dropLast(std::size_t bytes);

  private:
    std::error_code readTail(std::size_t limit, std::string& tail) const;
    std::error_code readAt(std::uint64_t offset, std::string& bytes) const;
    // One write: a line is never split between two, and a short write is a failure that leaves
    // the file as it was.
    std::error_code write(std::string_view bytes);

#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

}  // namespace platform
