#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {

struct Replacement {
    // Readable and writable by its owner only, from the moment it exists: for files with secrets.
    bool ownerOnly = false;
    // Where the folder takes no new file, an existing file is rewritten in place instead.
    bool inPlaceWhereFolderRefuses = false;
};

// Gives `file` the content through a new file beside it that is renamed over it, so that a
// process killed on the way, or a write that fails, leaves the old file or the new one and never
// part of either, and a reader who has the old file open keeps only the old content. Symbolic
// links are followed and kept. A replaced file keeps its owner and group where the process may
// give them, and its mode; a new one gets the mode the umask leaves of 0666. What exists and is
// not a regular file (a pipe, a terminal) is written into as it is. Temporaries a killed writer
// left beside the file (over a minute old, of this process's user) are removed on the way. The
// reason when the content could not be written.
std::error_code replaceFile(const std::filesystem::path& file, std::string_view content,
                            Replacement how = {});

}  // namespace platform
