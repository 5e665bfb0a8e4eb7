#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edition.h"

namespace editions {

enum class ControlKind { textField, list, valueLabel };

// The settings window's buttons; the group of each connects its handler to it.
enum class Button {
    identityGet,
    identitySet,
    passwordGet,
    passwordModify,
    serialNumberSet,
    serialNumberGet,
    setDefault,
    setTime,
    enterUDisk,
    networkGet,
    networkSet,
    menuGet,
    menuSet,
};
inline constexpr std::size_t kButtonCount = static_cast<std::size_t>(Button::menuSet) + 1;

// "identityGetButton": the button's object name.
std::string_view buttonName(Button button);

// The window's fields that are not settings of the camera model.
enum class WindowField {
    oldPassword,
    newPassword,
    networkMode,
    videoStamp,
    powerButton,
    recordButton,
    photoButton,
};
inline constexpr std::size_t kWindowFieldCount =
    static_cast<std::size_t>(WindowField::photoButton) + 1;

// A label and the control it names. Their object names are the field's name with "Label" and
// with "Edit", "List" or "Value"; a setting's name is its catalogue key in camel case.
struct LayoutField {
    std::string name;
    std::string_view label;
    ControlKind kind;
    // The setting the control shows, or the window's own field it is; neither for a field the
    // camera model has no use for.
    const camera::CatalogueRow* row = nullptr;
    std::optional<WindowField> windowField = std::nullopt;
    bool labelHidden = false;
    // The device kinds that disable the label, when not those that disable the control.
    std::optional<unsigned> labelDisabledByKinds = std::nullopt;
    // A list's entries when the layout itself holds them.
    std::vector<std::string_view> presetEntries = {};
    // A value label's text until the camera's value replaces it.
    std::string_view initialText = {};

    unsigned disabledByKinds() const { return row != nullptr ? row->disabledByKinds : 0; }
    unsigned labelDisabledKinds() const { return labelDisabledByKinds.value_or(disabledByKinds()); }
};

// The object names of a field's control ("deviceIdEdit", "gpsList", "cardValue") and label.
std::string controlName(const LayoutField& field);
std::string labelName(const LayoutField& field);

struct LayoutButton {
    Button role;
    std::string_view text;
    unsigned disabledByKinds = 0;
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
    unsigned disabledByKinds = 0;
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

// The label the edition's settings window gives the setting's field; empty when it has none.
std::string_view settingLabel(const Edition& edition, const camera::CatalogueRow& row);

// The object names of the controls a camera of this device kind (0, 1 or 2) cannot use, which the
// settings window disables when it opens.
std::vector<std::string> disabledByDeviceKind(const Edition& edition, int deviceKind);

}  // namespace editions
