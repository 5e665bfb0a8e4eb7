#pragma once

#include "edition.h"

// One file per edition holds its record; the catalogue puts them in index order.
namespace editions {

Edition englishEdition();
Edition russianEdition();
Edition frenchEdition();
Edition spanishEdition();
Edition portugueseEdition();

}  // namespace editions
