#pragma once

#include <string>
#include <string_view>

#include "menu_write.h"
#include "setting_value.h"
#include "utf8.h"

namespace cli {

// What a group writes: the values its read gave, the values a command wants (the same, but for
// what it changes), and the answer to the question before a change of storage encryption.
struct WriteRequest {
    const Values& current;
    const Values& wanted;
    bool formatCard = false;

    bool changes(std::string_view name) const {
        return current.find(name)->second.text != wanted.find(name)->second.text;
    }
    int position(std::string_view name) const { return wanted.find(name)->second.position; }
    // The checks have let only well-formed UTF-8 through.
    std::u16string text(std::string_view name) const {
        return platform::fromUtf8(wanted.find(name)->second.text).value_or(std::u16string());
    }
};

struct GroupWrite {
    bool written = false;
    bool cardFormatted = false;
};

// Finishes a menu write: the --format-card answer to the encryption question, then the second
// write. Nothing shows the list; a later show reads the option back from the camera.
template <typename MenuSettings>
GroupWrite settle(MenuSettings& menu, const camera::MenuWrite& written, bool formatCard) {
    if (written.needsConfirmation) {
        menu.confirm(formatCard);
    }
    menu.completeWrite();
    return {.written = written.written, .cardFormatted = written.needsConfirmation && formatCard};
}

// One settings group over its camera class: read into values by setting name, and written back
// whole, keeping what the request does not change.
class SettingGroup {
  public:
    virtual ~SettingGroup() = default;

    // False when a read failed; the values it did read are set.
    virtual bool read(Values& values) = 0;
    virtual GroupWrite write(const WriteRequest& request) = 0;
};

}  // namespace cli
