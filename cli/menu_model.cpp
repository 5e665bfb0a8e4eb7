#include "menu_model.h"

namespace cli {

std::optional<MenuModel> menuModelNamed(std::string_view name) {
    if (name == "common") {
        return MenuModel::common;
    }
    if (name == "stc") {
        return MenuModel::stc;
    }
    return std::nullopt;
}

std::string_view menuModelName(MenuModel model) {
    return model == MenuModel::common ? "common" : "stc";
}

const editions::Edition& editionFor(MenuModel model) {
    return editions::edition(model == MenuModel::common ? editions::kEnglish
                                                        : editions::kPortuguese);
}

}  // namespace cli
