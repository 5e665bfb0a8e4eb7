#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform {

// Files that a small store keeps whole: read at once, replaced at once, appended to a line at a
// time, by several processes that take turns on a FileLock.

struct WholeFile {
    enum class Kind { missing, text, unusable };
    Kind kind;
    // The whole text, or its first `limit` bytes and one more when the file is larger.
    std::string text;
    // Why an unusable file gives no text ("it is a directory, not a regular file").
    std::string problem;
};

// Reads a regular file. Opened without waiting, so that a pipe in its place cannot hang the
// caller; anything but a regular file is unusable.
WholeFile readWholeFile(const std::filesystem::path& file, std::size_t limit);

// Reads a regular file as readWholeFile does, a stretch at a time, for a file too large to hold:
// `take` has each stretch in turn, and stops the reading by returning false. No text comes back.
WholeFile readInChunks(const std::filesystem::path& file,
                       const std::function<bool(std::string_view chunk)>& take);

// Replaces `file` by a file readable and writable by its owner only, through a temporary
// "<name>.tmp-" and six letters or digits beside it that is renamed over it, so that a process
// killed at any moment leaves the old or the new file. The new file gets the owner and group of
// `ownerOf` where the process may. Temporaries of this kind that a killed writer left (a minute
// old, owner-only, this user's) are removed first; callers hold the lock, so no writer of theirs
// is at one.
std::error_code replacePrivateFile(const std::filesystem::path& file, std::string_view content,
                                   const std::filesystem::path& ownerOf);

// Renames without ever replacing what is at `to`: std::errc::file_exists when the name is taken.
std::error_code renameWithoutReplacing(const std::filesystem::path& from,
                                       const std::filesystem::path& to);

// Appends `text` in one write, so that lines of several processes never mix; creates the file,
// owner-only, when missing. Opened without waiting, so that a pipe with no reader cannot hang the
// caller.
std::error_code appendInOneWrite(const std::filesystem::path& file, std::string_view text);

}  // namespace platform
