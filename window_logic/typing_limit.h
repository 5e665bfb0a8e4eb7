#pragma once

#include <string>
#include <string_view>

namespace window_logic {

// A typing limit in UTF-16 code units, as the desktop platform's edit fields keep theirs: a text
// the program puts in is shown whole, however long, and can be shortened; what is typed or pasted
// keeps its first characters up to the limit, never half a surrogate pair, and an edit that
// inserts anything never leaves the text longer than the limit.
//
// `shown` is the field's text before the edit, `text` the text after it with the cursor at
// `position`, just after what it inserted. False refuses the edit; else `text` and `position` are
// what the field keeps.
bool keepWithinLimit(std::u16string_view shown, std::u16string& text, int& position, int limit);

}  // namespace window_logic
