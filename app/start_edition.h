#pragma once

#include <filesystem>

namespace app {

// The edition the program starts with, from the language setting in `languageFile`. A missing or
// empty setting writes the default (Russian, with a legend line) and chooses Russian; 1 to 4
// choose that edition and every other value English.
int chooseStartEdition(const std::filesystem::path& languageFile);

}  // namespace app
