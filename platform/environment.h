#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A variable of the process's environment as UTF-8 text; nothing when it is not set. Windows keeps
// the environment in UTF-16, and its narrow copy in the ANSI code page loses what that lacks.
std::optional<std::string> environmentText(const char* name);

// A file name given as UTF-8 text (an argument, a variable) as a path. On Windows a path made from
// a narrow string reads it in another code page than UTF-8, and so names another file.
std::filesystem::path pathFromUtf8(std::string_view text);

}  // namespace platform
