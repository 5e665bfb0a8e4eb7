#include "camera_model.h"

namespace k47 {

std::string_view modelName(Model model) {
    return model == Model::stc ? "stc" : "common";
}

std::optional<Model> modelNamed(std::string_view name) {
    if (name == "common") {
        return Model::common;
    }
    if (name == "stc") {
        return Model::stc;
    }
    return std::nullopt;
}

std::size_t menuRecordSize(Model model) {
    return model == Model::stc ? 56 : 32;
}

}  // namespace k47
