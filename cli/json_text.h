#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// `text` as a JSON string, quotes included; control characters (see controlCharacterAt) as \u
// escapes.
std::string jsonString(std::string_view text);

// JSON text as it is but for the control characters its strings hold unescaped, which become \u
// escapes: the same value, which a terminal shows as it is.
std::string withControlCharactersEscaped(std::string_view json);

// What show --json prints instead of the camera's settings: {"error": ..., "call": ...} and its
// line end; the call is null for an error of the command line itself, before any call.
std::string jsonError(std::string_view error, std::optional<std::string_view> call);

}  // namespace cli
