#pragma once

#include <span>
#include <string_view>

namespace editions {

// One list of the other camera model's menu, with the texts the Portuguese edition shows.
struct StcMenuList {
    // The list's object name without its "List" ending.
    std::string_view role;
    std::string_view label;
    std::span<const std::string_view> entries;
};

// The menu record's lists, in record order.
std::span<const StcMenuList> stcMenuLists();

}  // namespace editions
