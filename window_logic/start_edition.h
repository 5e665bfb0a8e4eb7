#pragma once

#include <filesystem>

#include "edition.h"

namespace window_logic {

// The edition the program starts with, from the language setting in `languageFile`. A missing or
// empty setting writes the default (Russian, with a legend line) and chooses Russian; 1 to 4
// choose that edition and every other value English.
int chooseStartEdition(const std::filesystem::path& languageFile);

// Where the locale names no language, the camera's texts are in the code page of the edition's
// language: Cyrillic for the Russian edition, western for the others.
void followEditionCodePage(const editions::Edition& edition);

}  // namespace window_logic
