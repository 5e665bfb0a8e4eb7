#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace k47 {

// The two camera models the tool serves; they differ in the form of their menu record.
enum class Model { common, stc };

std::string_view modelName(Model model);
std::optional<Model> modelNamed(std::string_view name);
std::size_t menuRecordSize(Model model);

}  // namespace k47
