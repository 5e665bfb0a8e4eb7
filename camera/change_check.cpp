#include "change_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

#include "code_page.h"
#include "setting_keys.h"
#include "utf8.h"

namespace camera {
namespace {

// A name's form that neither case nor the encoding of its accented letters changes: each accented
// letter of Latin-1 as its base letter and combining mark (the canonical decomposition), then
// ASCII letters in lower case. The catalogue's names hold no other letters beyond ASCII.
std::u16string caselessKey(std::string_view name) {
    // From U+00C0: the base letter and the index of the mark in kMarks; a blank for a letter
    // without a decomposition.
    static constexpr std::u16string_view kBases =
        u"AAAAAA CEEEEIIII NOOOOO  UUUUY  aaaaaa ceeeeiiii nooooo  uuuuy y";
    static constexpr std::u16string_view kMarkIndex =
        u"012345 601240124 301234  01241  012345 601240124 301234  01241 4";
    static constexpr std::u16string_view kMarks = u"\u0300\u0301\u0302\u0303\u0308\u030A\u0327";
    const auto text = platform::fromUtf8(name);
    if (!text) {
        return {};
    }
    std::u16string key;
    for (const char16_t character : *text) {
        const bool latin1Letter = character >= 0xC0 && character <= 0xFF;
        const std::size_t offset = latin1Letter ? character - 0xC0u : 0;
        if (latin1Letter && kBases[offset] != u' ') {
            key += kBases[offset];
            key += kMarks[static_cast<std::size_t>(kMarkIndex[offset] - u'0')];
        } else {
            key += character;
        }
    }
    for (char16_t& character : key) {
        if (character >= u'A' && character <= u'Z') {
            character = static_cast<char16_t>(character - u'A' + u'a');
        }
    }
    return key;
}

// The position in `names` of the one `value` names: exactly, or else regardless of case and of
// composed or decomposed accents when that is unique.
std::optional<std::size_t> nameMatching(std::span<const std::string_view> names,
                                        std::string_view value) {
    if (const auto exact = std::ranges::find(names, value); exact != names.end()) {
        return static_cast<std::size_t>(exact - names.begin());
    }
    const std::u16string key = caselessKey(value);
    const auto matches = [&](std::string_view name) {
        return !key.empty() && caselessKey(name) == key;
    };
    const auto found = std::ranges::find_if(names, matches);
    if (found == names.end() || std::count_if(names.begin(), names.end(), matches) > 1) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

// The value name `value` stands for: a value name, or an alias of one.
std::optional<std::string_view> valueNamed(const CatalogueRow& row, std::string_view value) {
    if (const auto position = nameMatching(row.values, value)) {
        return row.values[*position];
    }
    if (const auto position = nameMatching(row.aliases, value)) {
        return row.values[*position];
    }
    return std::nullopt;
}

// The refusal for a list value, or nothing with `wanted` set to the entry.
std::optional<Refusal> checkListValue(const CatalogueRow& row, const std::string& value,
                                      SettingValue& wanted) {
    const auto name = valueNamed(row, value);
    const auto offered = name ? std::ranges::find(wanted.offered, *name) : wanted.offered.end();
    if (offered != wanted.offered.end()) {
        wanted.text = std::string(*offered);
        wanted.position = static_cast<int>(offered - wanted.offered.begin());
        return std::nullopt;
    }
    if (wanted.offered.empty()) {
        return Refusal{.reason = RefusalReason::settingNotOffered};
    }
    return Refusal{.reason = name ? RefusalReason::valueNotOffered : RefusalReason::unknownValue,
                   .offered = wanted.offered};
}

// Whether each byte `text` keeps is one the code page cannot decode, as a read keeps such a byte;
// a value with any other byte that starts no UTF-8 character is no text.
bool keepsOnlyUndecodableBytes(std::u16string_view text, platform::CodePage codePage) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool lone = at == 0 || text[at - 1] < 0xD800 || text[at - 1] > 0xDBFF;
        if (!lone || text[at] < 0xDC80 || text[at] > 0xDCFF) {
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(text[at] - 0xDC00);
        if (platform::decodeAnsi(std::span(&byte, 1), codePage) != std::u16string(1, text[at])) {
            return false;
        }
    }
    return true;
}

std::optional<Refusal> checkText(const CatalogueRow& row, const std::u16string& text,
                                 const SettingValues& current, int deviceKind,
                                 platform::CodePage codePage) {
    if (const auto control = controlCharacterIn(text)) {
        return Refusal{.reason = RefusalReason::controlCharacter, .character = *control};
    }
    const auto limit = static_cast<std::size_t>(row.limitFor(deviceKind));
    if (text.size() > limit) {
        return Refusal{
            .reason = RefusalReason::tooManyCharacters, .size = text.size(), .limit = limit};
    }
    const auto currentLength =
        platform::fromUtf8KeepingBytes(current.find(row.key)->second.text).size();
    if (row.key == keys::kDeviceId && text.size() != currentLength) {
        return Refusal{.reason = RefusalReason::wrongDeviceIdLength,
                       .size = text.size(),
                       .limit = currentLength};
    }
    // The camera keeps the text in the code page, cut at its field's bytes: a character the code
    // page lacks would become '?', one cut at the field's end half a character.
    const auto bytes = platform::encodeAnsiExactly(text, codePage);
    if (!bytes) {
        return Refusal{.reason = RefusalReason::codePageLacksCharacters,
                       .codePage = static_cast<int>(codePage)};
    }
    const std::size_t fieldBytes = row.bytePerCharacter ? text.size() : limit;
    if (bytes->size() > fieldBytes) {
        return Refusal{.reason = RefusalReason::tooManyBytes,
                       .size = bytes->size(),
                       .limit = fieldBytes,
                       .codePage = static_cast<int>(codePage)};
    }
    return std::nullopt;
}

// A group is written whole: one whose last read left a text unsound goes back only when that text
// is given a value too. Named once a group, at its first change.
void refuseUnsoundGroups(const std::vector<SettingChange>& changes, const CameraModel& model,
                         const SettingValues& current, CheckedChanges& result) {
    std::vector<SettingGroup> named;
    for (std::size_t index = 0; index < changes.size(); ++index) {
        const CatalogueRow& changed = *changes[index].row;
        if (std::ranges::find(result.changed, &changed) == result.changed.end() ||
            std::ranges::find(named, changed.group) != named.end()) {
            continue;
        }
        for (const auto& row : model.catalogue) {
            const auto read = current.find(row.key);
            if (row.group == changed.group && read != current.end() && !read->second.sound &&
                result.wanted.at(std::string(row.key)).text == read->second.text) {
                result.refusals.push_back({.change = index,
                                           .reason = RefusalReason::unsoundTextInGroup,
                                           .unsound = &row});
                named.push_back(changed.group);
                break;
            }
        }
    }
}

}  // namespace

std::optional<char16_t> controlCharacterIn(std::u16string_view text) {
    const auto control = std::ranges::find_if(
        text, [](char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F); });
    return control == text.end() ? std::nullopt : std::optional(*control);
}

std::string controlCharacterRefusal(char16_t character) {
    char code[7];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    return std::string("holds the control character ") + code +
           "; a camera text takes no line break, tab, escape or other control character";
}

CheckedChanges checkChanges(const std::vector<SettingChange>& changes, const CameraModel& model,
                            const SettingValues& current, int deviceKind, bool formatCard) {
    CheckedChanges result{.wanted = current, .changed = {}, .refusals = {}};
    const auto codePage = platform::ansiCodePage();
    for (std::size_t index = 0; index < changes.size(); ++index) {
        const SettingChange& change = changes[index];
        const CatalogueRow& row = *change.row;
        SettingValue& wanted = result.wanted.find(row.key)->second;
        // A text's bytes as a read keeps them, however the value gave them (\x93 in a profile).
        const auto text = row.isList()
                              ? platform::fromUtf8(change.value)
                              : std::optional(platform::fromUtf8KeepingBytes(change.value));
        const std::string value = row.isList() ? change.value : platform::toUtf8KeepingBytes(*text);
        if (value == wanted.text) {
            continue;
        }
        std::optional<Refusal> refusal;
        if (!text || !keepsOnlyUndecodableBytes(*text, codePage)) {
            refusal = Refusal{.reason = RefusalReason::notUtf8};
        } else if (row.disabledFor(deviceKind)) {
            refusal = Refusal{.reason = RefusalReason::disabledForDeviceKind};
        } else if (row.isList()) {
            refusal = checkListValue(row, change.value, wanted);
        } else {
            refusal = checkText(row, *text, current, deviceKind, codePage);
            wanted.text = value;
        }
        const bool changes = wanted.text != current.find(row.key)->second.text;
        if (!refusal && changes && row.destroysRecordings && !formatCard) {
            refusal = Refusal{.reason = RefusalReason::formatsMemoryCard};
        }
        if (refusal) {
            refusal->change = index;
            result.refusals.push_back(*refusal);
        }
    }
    for (const auto& row : model.catalogue) {
        const auto wanted = result.wanted.find(row.key);
        if (wanted != result.wanted.end() &&
            wanted->second.text != current.at(wanted->first).text) {
            result.changed.push_back(&row);
        }
    }
    refuseUnsoundGroups(changes, model, current, result);
    return result;
}

}  // namespace camera
