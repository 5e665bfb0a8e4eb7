#include "text_widths.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// A width remembered for one font is never given for another, and holds the text in that font.
TEST(TextWidthsTest, EachFontKeepsItsOwnWidthsAndEachWidthHoldsItsText) {
    ui::TextWidths widths;
    QFont small = QApplication::font();
    small.setPointSize(8);
    QFont large = small;
    large.setPointSize(16);
    const editions::DialogBaseUnits smallUnits{6, 13};
    const auto smallWidth = widths.of(small, smallUnits);
    const auto largeWidth = widths.of(large, smallUnits);
    for (const std::string_view text : {"Set Default", "Получить", "Vibração", ""}) {
        const int remembered = smallWidth(text);
        EXPECT_EQ(smallWidth(text), remembered) << text;
        EXPECT_GE(editions::horizontalPixels(remembered, smallUnits),
                  QFontMetrics(small).horizontalAdvance(ui::uiText(text)))
            << text;
        if (!text.empty()) {
            EXPECT_GT(largeWidth(text), remembered) << text;
        }
    }
}

}  // namespace
