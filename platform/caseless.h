#pragma once

#include <string>
#include <string_view>

namespace platform {

// A text's form for comparing names regardless of case and of how its accented letters are
// encoded: "VIBRAÇÃO", "vibração" and a "vibração" with combining marks give the same key.
std::u16string caselessKey(std::u16string_view text);

}  // namespace platform
