#pragma once

#include <optional>
#include <string_view>

#include "edition.h"

namespace cli {

// The camera model, which chooses the menu record: 32 bytes (common) or 56 (stc).
enum class MenuModel { common, stc };

std::optional<MenuModel> menuModelNamed(std::string_view name);
std::string_view menuModelName(MenuModel model);

// The edition whose window serves the model: its switches say how the model's identity and menu
// behave, and the common model's list entries are its (English) texts.
const editions::Edition& editionFor(MenuModel model);

}  // namespace cli
