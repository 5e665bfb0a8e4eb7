#pragma once

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "dialog_layout.h"
#include "edition.h"
#include "ui_text.h"

namespace ui {

// The widths of texts in the dialog units of a font, measured once per text and font and kept for
// the run: an edition's windows show the same texts every time they open, and shaping text is the
// largest cost of laying out a window.
class TextWidths {
  public:
    // Measures in the font, whose dialog units are `units`, as a layout takes its texts' widths.
    window_logic::TextWidth of(const QFont& font, editions::DialogBaseUnits units) {
        // Fonts are few: a window's, and another where a style sheet or the desktop changes it.
        const auto known = std::find_if(fonts_.begin(), fonts_.end(),
                                        [&font](const auto& entry) { return entry.first == font; });
        Widths& widths =
            known != fonts_.end() ? known->second : fonts_.emplace_back(font, Widths()).second;
        return [&widths, metrics = QFontMetrics(font),
                across = units.horizontal](std::string_view text) {
            auto found = widths.find(text);
            if (found == widths.end()) {
                // A label takes the room its glyphs' edges take, which can pass the advance.
                const QString shown = uiText(text);
                const int pixels = std::max(metrics.horizontalAdvance(shown),
                                            metrics.boundingRect(QRect(), 0, shown).width());
                found = widths.emplace(text, (pixels * 4 + across - 1) / across).first;
            }
            return found->second;
        };
    }

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using Widths = std::unordered_map<std::string, int, Hash, std::equal_to<>>;
    // A deque keeps each font's widths where the measures given out reach them.
    std::deque<std::pair<QFont, Widths>> fonts_;
};

}  // namespace ui
