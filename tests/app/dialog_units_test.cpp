#include <gtest/gtest.h>

#include "edition.h"

namespace {

using editions::DialogBaseUnits;

// The letters' width and the height a font measures, what a dialog unit becomes, and a settings
// window of 712 x 321 dialog units in pixels.
struct FontCase {
    const char* font;
    int lettersWidth;
    int height;
    DialogBaseUnits units;
    int width;
    int windowHeight;
};

TEST(DialogUnitsTest, FollowTheFontsLettersAndHeight) {
    const FontCase cases[] = {
        // The fixed factors of 1.5 x 1.625 pixels the windows were drawn for.
        {"8-point dialog font at 96 dpi", 300, 13, {6, 13}, 1068, 522},
        {"letters just short of 12 pixels on average", 311, 13, {6, 13}, 1068, 522},
        {"letters of 13 pixels on average", 338, 13, {7, 13}, 1246, 522},
        {"9-point sans at 96 dpi", 385, 14, {7, 14}, 1246, 562},
        {"12-point sans at 96 dpi", 515, 19, {10, 19}, 1780, 762},
    };
    for (const auto& row : cases) {
        const auto units = DialogBaseUnits::ofFont(row.lettersWidth, row.height);
        EXPECT_EQ(units.horizontal, row.units.horizontal) << row.font;
        EXPECT_EQ(units.vertical, row.units.vertical) << row.font;
        EXPECT_EQ(editions::horizontalPixels(712, units), row.width) << row.font;
        EXPECT_EQ(editions::verticalPixels(321, units), row.windowHeight) << row.font;
        // The units that hold a width or height hold it back in pixels, and no unit more.
        for (const int pixels : {1, 13, 100, 1069}) {
            const int across = editions::unitsAcross(pixels, units);
            const int down = editions::unitsDown(pixels, units);
            EXPECT_GE(editions::horizontalPixels(across, units), pixels) << row.font;
            EXPECT_LE(editions::horizontalPixels(across - 1, units), pixels) << row.font;
            EXPECT_GE(editions::verticalPixels(down, units), pixels) << row.font;
            EXPECT_LE(editions::verticalPixels(down - 1, units), pixels) << row.font;
        }
    }
    EXPECT_EQ(editions::kEightPointDialogFont.horizontal, 6);
    EXPECT_EQ(editions::kEightPointDialogFont.vertical, 13);
}

}  // namespace
