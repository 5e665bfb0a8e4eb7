#pragma once

#include <QFont>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dialog_layout.h"
#include "edition.h"

class QStyle;
class QWidget;

namespace ui {

// What a window's font and style measure, once per font and style for the run: its dialog units,
// its controls' metrics and its texts' widths. An edition's windows show the same texts every time
// they open, and shaping text is the largest cost of placing a window.
class FontMeasures {
  public:
    struct Measures {
        editions::DialogBaseUnits units;
        window_logic::ControlMetrics metrics;
        // In dialog units, as a layout takes them.
        window_logic::TextWidth textWidth;
    };

    // The window's, by the font and style it draws with once polished.
    Measures of(QWidget& window);

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    struct Font {
        QFont font;
        const QStyle* style;
        editions::DialogBaseUnits units;
        window_logic::ControlMetrics metrics;
        std::unordered_map<std::string, int, Hash, std::equal_to<>> widths;
    };
    // Fonts are few: a window's, and another where a style sheet or the desktop changes it. A
    // deque keeps each font's widths where the measures given out reach them.
    std::deque<Font> fonts_;
};

}  // namespace ui
