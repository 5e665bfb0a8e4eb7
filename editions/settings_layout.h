#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edition.h"

namespace editions {

enum class ControlKind { textField, list, valueLabel };

// A label and the control it names. Their object names are the field's name with "Label" and
// with "Edit", "List" or "Value".
struct LayoutField {
    std::string_view name;
    std::string_view label;
    ControlKind kind;
    bool labelHidden = false;
    // A list's entries when the layout itself holds them.
    std::vector<std::string_view> presetEntries = {};
    // A value label's text until the camera's value replaces it.
    std::string_view initialText = {};
};

struct LayoutButton {
    std::string_view role;
    std::string_view text;
};

// Fields left to right, then buttons.
struct LayoutRow {
    std::vector<LayoutField> fields = {};
    std::vector<LayoutButton> buttons = {};
    bool hidden = false;
};

// A titled frame, top to bottom: its rows, its columns of fields (each read top to bottom), its
// inner frames (below the first two columns when there are columns), the rows under those, and
// its buttons.
struct LayoutFrame {
    std::string_view role;
    std::string_view title = {};
    std::vector<LayoutRow> rows = {};
    std::vector<std::vector<LayoutField>> columns = {};
    std::vector<LayoutFrame> frames = {};
    std::vector<LayoutRow> lowerRows = {};
    std::vector<LayoutButton> buttons = {};
};

// A settings window: two rows of frames, left to right.
struct SettingsLayout {
    std::vector<LayoutFrame> top = {};
    std::vector<LayoutFrame> bottom = {};
};

// The edition's settings window, in its texts; rows the edition has no text for are left out.
SettingsLayout settingsLayout(const Edition& edition);

// How many characters can be typed into a text field of the settings window, for a camera of
// this device kind; 0 for a field without a limit. Text a read puts in is shown whole.
int typingLimit(const Edition& edition, std::string_view control, int deviceKind);

// The object names of the controls a camera of this device kind (0, 1 or 2) cannot use, which the
// settings window disables when it opens.
std::vector<std::string> disabledByDeviceKind(const Edition& edition, int deviceKind);

}  // namespace editions
