#pragma once

#include <string>
#include <string_view>

namespace cli {

// `text` as a JSON string, quotes included; control characters (see controlCharacterAt) as \u
// escapes.
std::string jsonString(std::string_view text);

// JSON text as it is but for the control characters its strings hold unescaped, which become \u
// escapes: the same value, which a terminal shows as it is.
std::string withControlCharactersEscaped(std::string_view json);

}  // namespace cli
