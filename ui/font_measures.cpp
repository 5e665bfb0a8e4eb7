#include "font_measures.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "dialog_geometry.h"
#include "ui_text.h"

namespace ui {
namespace {

// What the window's style draws its frames' titles, its lists' arrows and its labels with.
window_logic::ControlMetrics controlMetrics(QWidget& window, editions::DialogBaseUnits units) {
    const auto across = [units](int pixels) { return editions::unitsAcross(pixels, units); };
    const auto down = [units](int pixels) { return editions::unitsDown(pixels, units); };
    // Made in the window, they take the font and style its own widgets take.
    QGroupBox frame(QStringLiteral("X"), &window);
    frame.ensurePolished();
    QComboBox list(&window);
    list.ensurePolished();
    constexpr int kWidth = 1000;
    list.resize(kWidth, list.sizeHint().height());
    QStyleOptionComboBox option;
    option.initFrom(&list);
    // The entry is drawn a pixel in from either side of its field.
    const int field =
        list.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
            .width() -
        2;
    // A line takes its leading too, where the font has one.
    const int line = window.fontMetrics()
                         .boundingRect(QRect(0, 0, kWidth, kWidth), 0, QStringLiteral("Xg"))
                         .height();
    const window_logic::ControlMetrics desktop;
    // A pixel to spare where a frame's edge and its first row, or a list's entry and its arrow,
    // round apart.
    return {.frameTitle = std::max(desktop.frameTitle, down(frame.contentsRect().top() + 1)),
            .listArrow = std::max(desktop.listArrow, across(kWidth - field + 1)),
            .labelHeight = std::max(desktop.labelHeight, down(line))};
}

}  // namespace

FontMeasures::Measures FontMeasures::of(QWidget& window) {
    // A style sheet gives the window its font only when the window is polished.
    window.ensurePolished();
    const QFont font = window.font();
    auto known = std::find_if(fonts_.begin(), fonts_.end(), [&](const Font& measured) {
        return measured.font == font && measured.style == window.style();
    });
    if (known == fonts_.end()) {
        const auto units = dialogBaseUnits(window);
        known = fonts_.insert(fonts_.end(),
                              {font, window.style(), units, controlMetrics(window, units), {}});
    }
    auto& widths = known->widths;
    return {known->units, known->metrics,
            [&widths, metrics = QFontMetrics(font), units = known->units](std::string_view text) {
                auto found = widths.find(text);
                if (found == widths.end()) {
                    // A label takes the room its glyphs' edges take, which can pass the advance.
                    const QString shown = uiText(text);
                    const int pixels = std::max(metrics.horizontalAdvance(shown),
                                                metrics.boundingRect(QRect(), 0, shown).width());
                    found = widths.emplace(text, editions::unitsAcross(pixels, units)).first;
                }
                return found->second;
            }};
}

}  // namespace ui
