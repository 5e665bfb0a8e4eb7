#pragma once

#include <span>
#include <string_view>

namespace editions {

// One list of the other camera model (its object name comes from its catalogue row)'s menu, with
// the texts the Portuguese edition shows.
struct StcMenuList {
    std::string_view label;
    std::span<const std::string_view> entries;
};

// The menu record's lists, in record order.
std::span<const StcMenuList> stcMenuLists();

}  // namespace editions
