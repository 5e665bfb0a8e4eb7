#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "identity_record.h"
#include "menu_record.h"
#include "network_record.h"

namespace camera {

// The groups in the order a camera is read, shown and written.
enum class SettingGroup { identity, network, recording, status };

std::string_view groupName(SettingGroup group);

enum class SettingKind { text, list, status };

// What a copy of the settings leaves out unless asked: what names one camera, and secrets.
enum class Privacy { ordinary, identity, secret };

// Where a list's entries come from: all of them, or those a capability mask of the menu record
// chooses, one per set bit.
enum class EntrySource { fixed, resolutionMask, photoSizeMask, postRecordMask, splitTimeMask };

// The device kinds (1: no 4G, 2: neither 4G nor Wi-Fi) as bits, for what a kind takes away.
inline constexpr unsigned kKindOne = 1;
inline constexpr unsigned kKindTwo = 2;
inline constexpr unsigned kKindOneAndTwo = kKindOne | kKindTwo;

// Whether those device kinds include this one; kind 0 has everything.
constexpr bool disabledFor(unsigned kinds, int deviceKind) {
    return deviceKind > 0 && (kinds & (1u << (deviceKind - 1))) != 0;
}

// One setting of a camera model.
struct CatalogueRow {
    // Stable, the same in every language: "aes_encryption".
    std::string_view key;
    SettingGroup group;
    SettingKind kind;
    // A list's value names by position (by mask bit for the masked lists): lower case, no
    // blanks, the same in every language.
    std::span<const std::string_view> values = {};
    // Older spellings of the value names, by position, accepted for them: the window labels that
    // old profiles hold, frozen here so that a later change of a window text breaks no profile.
    std::span<const std::string_view> aliases = {};
    EntrySource entries = EntrySource::fixed;
    // The record byte of a common-model list, or the list's place in the other model's menu.
    int slot = 0;
    // A text's typing limit in characters, and the shorter one a device kind other than 0
    // imposes (0: the same).
    int typingLimit = 0;
    int typingLimitWithRadio = 0;
    // The device kinds that take the setting away.
    unsigned disabledByKinds = 0;
    Privacy privacy = Privacy::ordinary;
    // Changing it formats the memory card, which destroys the recordings on it.
    bool destroysRecordings = false;
    // The camera takes one byte per character, so a character of two bytes never fits.
    bool bytePerCharacter = false;

    bool isList() const { return kind == SettingKind::list; }
    int limitFor(int deviceKind) const {
        return deviceKind != 0 && typingLimitWithRadio != 0 ? typingLimitWithRadio : typingLimit;
    }
    bool disabledFor(int deviceKind) const {
        return camera::disabledFor(disabledByKinds, deviceKind);
    }
};

// What belongs to the camera rather than to a language: its records, how it answers, and every
// setting it has.
struct CameraModel {
    std::string_view name;
    std::int32_t menuRecordSize;
    OfficerIdWidth officerIdWidth;
    // Identity Get takes only the flag 1 as an answer with values, or any success.
    bool identityGetNeedsFlagOne;
    bool readsSerialNumber;
    std::span<const CatalogueRow> catalogue;

    const CatalogueRow* row(std::string_view key) const;
    // The row every caller knows the model has; std::out_of_range names a key it has not.
    const CatalogueRow& rowAt(std::string_view key) const;
    // The 56-byte menu of one list position per value byte, rather than the 32-byte one.
    bool usesLongMenuRecord() const { return menuRecordSize != MenuRecord::kSize; }
};

const CameraModel& commonModel();
const CameraModel& stcModel();
std::span<const CameraModel* const> cameraModels();
const CameraModel* modelNamed(std::string_view name);

// The menu field a common-model list row stands for.
inline MenuField menuField(const CatalogueRow& row) {
    return static_cast<MenuField>(row.slot);
}

}  // namespace camera
