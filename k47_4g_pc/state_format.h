#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "camera_state.h"

namespace k47 {

struct StateParseResult {
    std::optional<CameraState> state;
    std::string error;  // why there is no state, with the line it concerns
};

// The state file's text: an INI file with the sections Camera, Identity, Network, Serial, Menu
// and Faults, every key written.
std::string formatState(const CameraState& state);

// Reads a state file's text. Sections and keys match regardless of case; a missing key keeps the
// factory value of the file's model. Unknown sections and keys, repeated keys and values that do
// not fit their key are errors, so that a typing mistake in a hand edit never passes unnoticed.
StateParseResult parseState(std::string_view text);

}  // namespace k47
