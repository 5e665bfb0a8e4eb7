#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "catalogue.h"
#include "recording_settings.h"
#include "stc_menu.h"
#include "utf8.h"

namespace {

// The slots the model's menu write sends, in record order.
std::vector<int> sentSlots(const camera::CameraModel& model) {
    std::vector<int> slots;
    if (model.usesLongMenuRecord()) {
        for (int list = 0; list < camera::StcMenuRecord::kListCount; ++list) {
            slots.push_back(list);
        }
    } else {
        // The lists the common model's group asks its recording settings for.
        for (const auto field : camera::exchangedMenuFields({})) {
            slots.push_back(static_cast<int>(field));
        }
    }
    return slots;
}

// A list row at a slot the write leaves out would be taken by `set`, reported written and never
// sent; a sent slot without its row has nothing to fill it from.
TEST(CatalogueTest, ListRowsAreExactlyTheSlotsTheMenuWriteSends) {
    for (const camera::CameraModel* model : camera::cameraModels()) {
        SCOPED_TRACE(model->name);
        std::vector<int> rowSlots;
        for (const auto& row : model->catalogue) {
            if (row.isList()) {
                rowSlots.push_back(row.slot);
            }
        }
        std::ranges::sort(rowSlots);
        EXPECT_EQ(rowSlots, sentSlots(*model));
    }
}

// Value names match regardless of case and accent encoding for ASCII and the accented letters of
// Latin-1 only: a name with another letter would match only as it is written.
TEST(CatalogueTest, ValueNamesHoldNoLetterBeyondLatin1) {
    for (const camera::CameraModel* model : camera::cameraModels()) {
        for (const auto& row : model->catalogue) {
            for (const auto names : {row.values, row.aliases}) {
                for (const std::string_view name : names) {
                    const auto text = platform::fromUtf8(name);
                    ASSERT_TRUE(text) << name;
                    EXPECT_TRUE(std::ranges::all_of(*text, [](char16_t c) { return c <= 0xFF; }))
                        << name;
                }
            }
        }
    }
}

}  // namespace
