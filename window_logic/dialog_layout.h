#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edition.h"
#include "window_controls.h"

namespace window_logic {

enum class ItemKind { frame, label, valueLabel, edit, list, button, picture };

// One control of a window, placed in dialog units.
struct DialogItem {
    ItemKind kind;
    std::string text = {};
    // What the device kinds disable it by: a frame's role, a label's or a control's object name.
    std::string name = {};
    // How the window's logic names it, when it does.
    std::optional<Control> control = std::nullopt;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool hidden = false;
    bool defaultButton = false;
    std::vector<std::string_view> presetEntries = {};
};

struct DialogLayout {
    std::string title;
    editions::DialogSize size;
    // In tab order.
    std::vector<DialogItem> items = {};
};

// The width of a text in dialog units, as the window's font draws it.
using TextWidth = std::function<int(std::string_view)>;

// What a toolkit's controls take beyond their texts, in dialog units: the desktop's own dialogs
// unless a toolkit's style draws them larger.
struct ControlMetrics {
    // From a frame's top edge to its first row, below its title.
    int frameTitle = 11;
    // What a list takes beyond its longest entry: its arrow and its borders.
    int listArrow = 16;
    // A label's one line.
    int labelHeight = 8;
};

// The entries the camera may give a list of the row's, which the list's width holds.
std::span<const std::string_view> listEntries(const editions::Edition& edition,
                                              const camera::CatalogueRow& row);

// The banner across the top, the labelled rows, Connect at the bottom left and Login at the right.
DialogLayout loginDialog(const editions::Edition& edition, const TextWidth& textWidth,
                         int bannerHeight, ControlMetrics metrics = {});

// Two rows of titled frames, each taking what it needs and an even share of the rest.
DialogLayout settingsDialog(const editions::Edition& edition, const TextWidth& textWidth,
                            ControlMetrics metrics = {});

}  // namespace window_logic
