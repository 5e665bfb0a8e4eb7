#include <cassert>

#include "edition.h"
#include "edition_records.h"

namespace editions {
namespace {

const std::array<Edition, 5> kEditions{englishEdition(), russianEdition(), frenchEdition(),
                                       spanishEdition(), portugueseEdition()};

}  // namespace

const std::array<Edition, kEditionCount>& allEditions() {
    return kEditions;
}

const Edition& edition(int index) {
    assert(index >= 0 && index < static_cast<int>(kEditions.size()));
    return kEditions[static_cast<std::size_t>(index)];
}

}  // namespace editions
