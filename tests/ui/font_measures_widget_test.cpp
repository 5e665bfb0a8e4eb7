#include "font_measures.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "dialog_geometry.h"
#include "ui_text.h"

namespace {

// A window's measures are its own font's, whichever window measured that font first, and each
// width holds its text in that font.
TEST(FontMeasuresTest, EachFontKeepsItsOwnMeasuresAndEachWidthHoldsItsText) {
    ui::FontMeasures measures;
    QWidget small;
    QFont font = small.font();
    font.setPointSize(8);
    small.setFont(font);
    QWidget large;
    font.setPointSize(16);
    large.setFont(font);
    const auto smallMeasures = measures.of(small);
    const auto largeMeasures = measures.of(large);
    EXPECT_EQ(smallMeasures.units.horizontal, ui::dialogBaseUnits(small).horizontal);
    EXPECT_EQ(largeMeasures.units.vertical, ui::dialogBaseUnits(large).vertical);
    for (const std::string_view text : {"Set Default", "Получить", "Vibração", ""}) {
        const int width = smallMeasures.textWidth(text);
        EXPECT_EQ(measures.of(small).textWidth(text), width) << text;
        EXPECT_GE(editions::horizontalPixels(width, smallMeasures.units),
                  small.fontMetrics().horizontalAdvance(ui::uiText(text)))
            << text;
        EXPECT_GE(editions::horizontalPixels(largeMeasures.textWidth(text), largeMeasures.units),
                  large.fontMetrics().horizontalAdvance(ui::uiText(text)))
            << text;
    }
}

}  // namespace
