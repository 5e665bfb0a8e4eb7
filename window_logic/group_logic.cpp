#include "group_logic.h"

#include <algorithm>
#include <vector>

#include "change_check.h"
#include "code_page.h"
#include "settings_layout.h"
#include "utf8.h"

namespace window_logic {

void GroupLogic::limitTypingInto(const camera::CatalogueRow& setting) const {
    controls_.limitTyping(&setting, setting.limitFor(services_.session.deviceKind));
}

std::u16string GroupLogic::cameraText(Control control) const {
    // A toolkit's text is always well-formed.
    return platform::fromUtf8(controls_.text(control)).value_or(std::u16string());
}

void GroupLogic::show(Control control, std::u16string_view text) {
    const std::string shown = platform::toUtf8(text);
    if (const auto* const* setting = std::get_if<const camera::CatalogueRow*>(&control)) {
        shown_[std::string((*setting)->key)] = shown;
    }
    controls_.setText(control, shown);
}

void GroupLogic::show(const camera::SettingValues& values) {
    for (const auto& [key, value] : values) {
        // A toolkit takes only well-formed text.
        const std::string shown = platform::toUtf8(platform::fromUtf8KeepingBytes(value.text));
        controls_.setText(&row(key), shown);
        shown_[key] = shown;
        if (value.sound) {
            unsound_.erase(key);
        } else {
            unsound_[key] = {.text = shown, .sound = false};
        }
    }
}

camera::SettingValues GroupLogic::typed(
    std::span<const camera::CatalogueRow* const> settings) const {
    camera::SettingValues values;
    for (const auto* setting : settings) {
        values[std::string(setting->key)].text = controls_.text(setting);
    }
    return values;
}

camera::SettingValues GroupLogic::typed(camera::SettingGroup group) const {
    std::vector<const camera::CatalogueRow*> settings;
    for (const auto& setting : edition_.model.catalogue) {
        if (setting.group == group && setting.kind == camera::SettingKind::text) {
            settings.push_back(&setting);
        }
    }
    return typed(settings);
}

bool GroupLogic::codePageHolds(const camera::SettingValues& values) {
    const auto codePage = platform::ansiCodePage();
    return std::ranges::all_of(values, [codePage](const auto& value) {
        const auto text = platform::fromUtf8(value.second.text);
        return text && platform::encodeAnsiExactly(*text, codePage).has_value();
    });
}

bool GroupLogic::refusesControlCharacters(const camera::SettingValues& values) const {
    for (const auto& [key, value] : values) {
        const auto shown = shown_.find(key);
        const auto text = platform::fromUtf8(value.text);
        const auto control = text ? camera::controlCharacterIn(*text) : std::nullopt;
        if (!control || (shown != shown_.end() && shown->second == value.text)) {
            continue;
        }
        const auto label = editions::settingLabel(edition_, row(key));
        refuseControlCharacter(label.empty() ? std::string_view(key) : label, *control);
        return true;
    }
    return false;
}

void GroupLogic::refuseControlCharacter(std::string_view label, char16_t character) const {
    // "SSID :" names its field without the colon.
    const std::string_view name = label.substr(0, label.find_last_not_of(" :") + 1);
    refuse(std::string(name) + ": " + camera::controlCharacterRefusal(character));
}

bool GroupLogic::allTyped(const camera::SettingValues& values,
                          std::span<const camera::CatalogueRow* const> settings) {
    return std::ranges::all_of(settings, [&](const camera::CatalogueRow* setting) {
        return !values.find(setting->key)->second.text.empty();
    });
}

bool GroupLogic::sendsUnsoundBack(const camera::SettingValues& values) const {
    return std::ranges::any_of(unsound_, [&](const auto& unsound) {
        const auto typed = values.find(unsound.first);
        return typed != values.end() && typed->second.text == unsound.second.text;
    });
}

void GroupLogic::report(bool succeeded) const {
    const auto& texts = edition_.language.settings;
    std::string text(succeeded ? texts.success : texts.failure);
    if (const auto refusal = services_.changeRefusal(); !succeeded && !refusal.empty()) {
        // In English, as the log's own reason comes.
        text += "\n\n" + refusal;
    }
    services_.messageBoxes.show(text, texts.caption, MessageBoxStyle::WarningOk);
}

void GroupLogic::refuse(std::string_view text) const {
    services_.messageBoxes.show(text, edition_.language.login.caption, MessageBoxStyle::WarningOk);
}

void GroupLogic::report(camera::WriteOutcome outcome, std::string_view refusal) const {
    if (outcome == camera::WriteOutcome::refused) {
        refuse(refusal);
    } else {
        report(outcome == camera::WriteOutcome::written);
    }
}

bool GroupLogic::ask(std::string_view question) const {
    return services_.messageBoxes.show(question, edition_.language.settings.caption,
                                       MessageBoxStyle::WarningYesNo) == MessageBoxButton::Yes;
}

}  // namespace window_logic
