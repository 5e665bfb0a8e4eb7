#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "edition.h"
#include "recording_lists.h"
#include "stc_menu_texts.h"

namespace {

using Words = std::vector<std::string_view>;

Words windowEntries(const editions::Edition& edition, const camera::CatalogueRow& row) {
    if (edition.model.usesLongMenuRecord()) {
        const auto lists = editions::stcMenuLists();
        const auto slot = static_cast<std::size_t>(row.slot);
        return slot < lists.size() ? Words(lists[slot].entries.begin(), lists[slot].entries.end())
                                   : Words{};
    }
    const auto lists = editions::recordingLists(edition);
    const auto list =
        std::ranges::find(lists, camera::menuField(row), &editions::RecordingList::field);
    return list == lists.end() ? Words{} : Words(list->entries.begin(), list->entries.end());
}

// The aliases freeze the words old profiles hold: the English window's for the common model, the
// Portuguese one's for the other. A row without aliases names its values as that window does.
TEST(WindowWordsTest, ListRowsAliasTheirWindowEntriesByPosition) {
    for (const int index : {editions::kEnglish, editions::kPortuguese}) {
        const auto& edition = editions::edition(index);
        for (const auto& row : edition.model.catalogue) {
            if (row.isList()) {
                SCOPED_TRACE(std::string(edition.language.name) + " " + std::string(row.key));
                const auto words = row.aliases.empty() ? row.values : row.aliases;
                EXPECT_EQ(windowEntries(edition, row), Words(words.begin(), words.end()));
                EXPECT_EQ(words.size(), row.values.size());
            }
        }
    }
}

}  // namespace
