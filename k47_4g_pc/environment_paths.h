#pragma once

#include <filesystem>

namespace k47 {

// The state file: K47_CAMERA_STATE, or else camera.ini in the k47_4g_pc folder of the XDG state
// directory ($XDG_STATE_HOME, or ~/.local/state).
std::filesystem::path stateFilePath();
// The call journal: K47_CAMERA_JOURNAL, or empty for none.
std::filesystem::path journalFilePath();

}  // namespace k47
