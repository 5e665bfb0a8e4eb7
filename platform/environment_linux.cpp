#include <cstdlib>

#include "environment.h"

namespace platform {

std::optional<std::string> environmentText(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

// File names are bytes, as the user gave them.
std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

}  // namespace platform
