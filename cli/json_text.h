#pragma once

#include <string>
#include <string_view>

namespace cli {

// `text` as a JSON string, quotes included; control characters (C0, DEL and C1) as \u escapes.
std::string jsonString(std::string_view text);

}  // namespace cli
