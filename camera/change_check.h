#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "setting_value.h"

namespace camera {

// One wanted value of a setting, as a front end was given it.
struct SettingChange {
    const CatalogueRow* row = nullptr;
    std::string value;
};

enum class RefusalReason {
    // Neither UTF-8 text nor bytes the camera's code page cannot decode, which a read keeps.
    notUtf8,
    // A C0 or C1 control character or DEL: a line break, a tab or an escape sequence that would
    // reach the camera and every program that shows the text.
    controlCharacter,
    // The device kind takes the setting away.
    disabledForDeviceKind,
    // The list is marked as not offered: it takes no value.
    settingNotOffered,
    // A value name, or an alias of one, that the camera does not offer.
    valueNotOffered,
    // No value name or alias of the list.
    unknownValue,
    tooManyCharacters,
    // The device ID keeps the length of the camera's.
    wrongDeviceIdLength,
    codePageLacksCharacters,
    tooManyBytes,
    // Changing it formats the memory card and the front end has not said it may.
    formatsMemoryCard,
    // Another text of its group came in the last read without its terminator, run on to its
    // field's end: no value to write back, and the group is written whole.
    unsoundTextInGroup,
};

// Why one change may not be written, with what the wording needs.
struct Refusal {
    // Its place among the changes checked.
    std::size_t change = 0;
    RefusalReason reason = RefusalReason::notUtf8;
    // The characters or bytes the value has.
    std::size_t size = 0;
    // The most it may have, or the length it must have.
    std::size_t limit = 0;
    int codePage = 0;
    // The control character it holds first.
    char16_t character = 0;
    // What the list offers, for a refused list value.
    std::vector<std::string_view> offered{};
    // The text of the group that the last read left unsound.
    const CatalogueRow* unsound = nullptr;
};

struct CheckedChanges {
    // The values read with the changes' values in place.
    SettingValues wanted;
    // The rows whose value changes, in catalogue order.
    std::vector<const CatalogueRow*> changed;
    // One per refused change, in the changes' order; nothing may be written when there is one.
    std::vector<Refusal> refusals;
};

// The first control character of a text that goes to the camera (C0, DEL or C1), which no text
// may hold however it was given: typed, pasted, an argument or a file.
std::optional<char16_t> controlCharacterIn(std::u16string_view text);
// Why a text holding that character is refused, after the setting's name, in English as both front
// ends say it.
std::string controlCharacterRefusal(char16_t character);

// The checks the window makes as one types or presses Set, against the camera's values: a list
// takes one of the values the camera offers, by its name or by an alias of one, a text keeps to
// its field's limit (the device ID also to the length the camera's has), a control the window
// disables for the device kind takes no change, and a change of storage encryption needs the
// user's leave to format the card. A change to the value the camera already has always passes.
CheckedChanges checkChanges(const std::vector<SettingChange>& changes, const CameraModel& model,
                            const SettingValues& current, int deviceKind, bool formatCard);

}  // namespace camera
