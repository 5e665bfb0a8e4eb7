#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Why this user may not make files in `folder` (a folder of another user's, a read-only disk),
// with the folder's owner, group and mode where the system keeps them; nothing when they may.
std::optional<std::string> folderWriteRefusal(const std::filesystem::path& folder);

// Why this user may not open `file` to read and write it, with its owner, group and mode where
// the system keeps them; nothing when they may.
std::optional<std::string> readWriteRefusal(const std::filesystem::path& file);

}  // namespace platform
