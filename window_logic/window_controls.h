#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "catalogue.h"
#include "settings_layout.h"

namespace window_logic {

// The login window's controls.
enum class LoginControl { userTypeList, passwordEdit, languageList, connectButton, loginButton };

// A control as the logic names it: the setting it shows, a settings window's own field or button,
// or a login window's control.
using Control = std::variant<const camera::CatalogueRow*, editions::WindowField, editions::Button,
                             LoginControl>;

// A window's controls as a toolkit shows them, with texts in UTF-8. A control the window lacks (a
// hidden list the edition does not have) is never asked for unless `has` says it is there.
class WindowControls {
  public:
    virtual ~WindowControls() = default;

    virtual bool has(Control control) const = 0;

    virtual std::string text(Control control) const = 0;
    virtual void setText(Control control, std::string_view text) = 0;
    // Limits typing, counted in UTF-16 code units; a longer text the program puts in shows whole.
    virtual void limitTyping(Control control, int limit) = 0;

    // Replaces a list's entries, each at its position, and leaves it without a selection.
    virtual void setEntries(Control control, std::span<const std::string_view> entries) = 0;
    // -1 when nothing is selected.
    virtual int selection(Control control) const = 0;
    // -1, or a position beyond the list, leaves no selection.
    virtual void select(Control control, int position) = 0;
    virtual void disable(Control control) = 0;

    // Disables every control, label and frame a camera of this device kind cannot use.
    virtual void disableForDeviceKind(int deviceKind) = 0;
    // Ends the window, as its owner's hand-over needs before the next window runs.
    virtual void endWindow() = 0;
};

}  // namespace window_logic
