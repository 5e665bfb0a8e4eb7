#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

struct LimitedRead {
    std::string bytes;
    // Why there are no bytes, in a few words; nothing when they were all read.
    std::optional<std::string> error;
    // The input held no byte: no line at all, which an empty first line is not.
    bool empty = false;
};

// Reads a regular file or a pipe whole, and refuses anything else (a directory, a device such as
// /dev/zero) rather than read on without end; more than `limit` bytes is refused too. With
// `firstLineOnly`, reading stops at the first line's end (LF, CR or CR LF), and only that line
// comes back, without its end, and keeps to the limit.
LimitedRead readLimited(const std::filesystem::path& file, std::size_t limit,
                        bool firstLineOnly = false);

// The refusal of more than `limit` bytes: "larger than 1 MB".
std::string tooLarge(std::size_t limit, bool firstLineOnly);

}  // namespace platform
