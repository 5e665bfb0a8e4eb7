#pragma once

#include <string>
#include <string_view>

namespace cli {

// The synopsis, which also follows a usage error.
std::string_view usageText();
// --help: the synopsis, the commands and options, and every setting of both models with the
// values it takes.
std::string helpText();

}  // namespace cli
