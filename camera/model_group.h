#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "menu_write.h"
#include "setting_value.h"
#include "utf8.h"

namespace camera {

// The value's text as the camera classes take it: the bytes a read could not decode are kept, so
// that a text not changed goes back as it came.
inline std::u16string textOf(const SettingValues& values, std::string_view key) {
    return platform::fromUtf8KeepingBytes(values.find(key)->second.text);
}

// What a group writes: the values its read gave, the values a change wants (the same, but for
// what it changes), and the answer to the question before a change of storage encryption.
struct GroupWriteRequest {
    const SettingValues& current;
    const SettingValues& wanted;
    bool formatCard = false;

    bool changes(std::string_view key) const {
        return current.find(key)->second.text != wanted.find(key)->second.text;
    }
    int position(std::string_view key) const { return wanted.find(key)->second.position; }
    std::u16string text(std::string_view key) const { return textOf(wanted, key); }
};

struct GroupWrite {
    bool written = false;
    bool cardFormatted = false;
};

// Finishes a menu write: the given answer to the encryption question, then the second write.
template <typename MenuSettings>
GroupWrite settle(MenuSettings& menu, const MenuWrite& written, bool formatCard) {
    if (written.needsConfirmation) {
        menu.confirm(formatCard);
    }
    menu.completeWrite();
    return {.written = written.written, .cardFormatted = written.needsConfirmation && formatCard};
}

// One settings group of the model over its camera class: read into values by row key, and
// written back whole, keeping what the request does not change. The windows call the same groups'
// finer steps, in their own order and with their own quirks.
class ModelGroup {
  public:
    virtual ~ModelGroup() = default;

    // False when a read failed; the values it did read are set.
    virtual bool read(SettingValues& values) = 0;
    virtual GroupWrite write(const GroupWriteRequest& request) = 0;
    // What the write would change besides the settings it names, each said in a line; none by
    // default.
    virtual std::vector<std::string> alsoChanges(const GroupWriteRequest&) const { return {}; }
};

}  // namespace camera
