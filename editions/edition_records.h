#pragma once

#include "edition.h"

// One file per edition holds its record; the catalogue puts them in index order.
namespace editions {

inline constexpr std::string_view kCommonTitle = "Corvane 4.1";
inline constexpr DialogSize kSettingsSize{712, 321};

Edition englishEdition();
Edition russianEdition();
Edition frenchEdition();
Edition spanishEdition();
Edition portugueseEdition();

}  // namespace editions
