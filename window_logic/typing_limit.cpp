#include "typing_limit.h"

#include <algorithm>

namespace window_logic {
namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

bool keepWithinLimit(std::u16string_view shown, std::u16string& text, int& position, int limit) {
    const auto length = static_cast<int>(text.size());
    const auto shownLength = static_cast<int>(shown.size());
    // What follows the cursor is the shown text's tail, and what precedes the insertion is the
    // shown text's head; an edit that does not look so is taken whole when short enough.
    const int tail = length - position;
    if (position < 0 || tail < 0 || tail > shownLength ||
        std::u16string_view(text).substr(static_cast<std::size_t>(position)) !=
            shown.substr(static_cast<std::size_t>(shownLength - tail))) {
        return length <= std::max(limit, shownLength);
    }
    int head = 0;
    const int headLimit = std::min(position, shownLength - tail);
    while (head < headLimit &&
           text[static_cast<std::size_t>(head)] == shown[static_cast<std::size_t>(head)]) {
        ++head;
    }
    const int inserted = position - head;
    if (inserted == 0) {
        return true;
    }
    int room = limit - head - tail;
    if (room > 0 && room < inserted &&
        isHighSurrogate(text[static_cast<std::size_t>(head + room - 1)])) {
        --room;
    }
    if (room <= 0) {
        return false;
    }
    if (inserted > room) {
        text.erase(static_cast<std::size_t>(head + room),
                   static_cast<std::size_t>(inserted - room));
        position = head + room;
    }
    return true;
}

}  // namespace window_logic
