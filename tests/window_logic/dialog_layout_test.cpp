#include "dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using window_logic::DialogItem;
using window_logic::ItemKind;

// A font whose letters all take `quarters` quarter dialog units.
window_logic::TextWidth fontOf(int quarters) {
    return [quarters](std::string_view text) {
        int letters = 0;
        for (const char byte : text) {
            letters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
        }
        return (letters * quarters + 3) / 4;
    };
}

bool overlap(const DialogItem& a, const DialogItem& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Every edition's settings window in narrower and wider fonts, with a style's larger frame titles
// and list arrows. Text fields keep their width where the font leaves room; where it does not,
// they give up width first, and as long as they can, nothing shown is cut, lies outside the window
// or over another control.
TEST(DialogLayoutTest, AWiderFontNarrowsTextFieldsBeforeItCutsAnyText) {
    const window_logic::ControlMetrics metrics{.frameTitle = 12, .listArrow = 17};
    int narrowedWhole = 0;
    for (int index = 0; index < 5; ++index) {
        const auto& edition = editions::edition(index);
        for (const int quarters : {13, 15, 16, 17}) {
            SCOPED_TRACE(std::string(edition.language.name) + " " + std::to_string(quarters));
            const auto width = fontOf(quarters);
            const auto layout = window_logic::settingsDialog(edition, width, metrics);
            int narrowestEdit = 53;
            for (const DialogItem& item : layout.items) {
                if (item.kind == ItemKind::edit && !item.hidden) {
                    narrowestEdit = std::min(narrowestEdit, item.width);
                }
            }
            if (quarters == 13) {
                EXPECT_EQ(narrowestEdit, 53);
            }
            if (narrowestEdit < 24) {
                continue;
            }
            narrowedWhole += narrowestEdit < 53 ? 1 : 0;
            std::vector<const DialogItem*> shown;
            for (const DialogItem& item : layout.items) {
                if (item.hidden) {
                    continue;
                }
                EXPECT_LE(item.x + item.width, layout.size.width) << item.name;
                EXPECT_LE(item.y + item.height, layout.size.height) << item.name;
                if (item.kind == ItemKind::label || item.kind == ItemKind::button) {
                    EXPECT_GE(item.width, width(item.text)) << item.name;
                }
                const auto* const* row =
                    item.control && item.presetEntries.empty()
                        ? std::get_if<const camera::CatalogueRow*>(&*item.control)
                        : nullptr;
                const auto entries = row != nullptr && (*row)->isList()
                                         ? window_logic::listEntries(edition, **row)
                                         : std::span<const std::string_view>(item.presetEntries);
                for (const std::string_view entry : entries) {
                    EXPECT_GE(item.width, width(entry) + metrics.listArrow) << item.name;
                }
                if (item.kind != ItemKind::frame) {
                    for (const DialogItem* other : shown) {
                        EXPECT_FALSE(overlap(item, *other)) << item.name << " over " << other->name;
                    }
                    shown.push_back(&item);
                }
            }
        }
    }
    EXPECT_GT(narrowedWhole, 0);
}

}  // namespace
