#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "edition.h"
#include "services.h"
#include "setting_value.h"
#include "window_controls.h"
#include "write_outcome.h"

namespace window_logic {

// What every group of the settings window shares: the edition, the services, the window's
// controls, and the boxes that report to the user.
class GroupLogic {
  protected:
    GroupLogic(const editions::Edition& edition, Services& services, WindowControls& controls)
        : edition_(edition), services_(services), controls_(controls) {}

    // The setting of the window's camera model with that catalogue key.
    const camera::CatalogueRow& row(std::string_view key) const {
        return edition_.model.rowAt(key);
    }
    camera::LastRead& lastRead() const {
        return services_.session.lastRead[static_cast<std::size_t>(edition_.index)];
    }

    // Limits typing into the setting's field as its row and the camera's device kind want.
    void limitTypingInto(const camera::CatalogueRow& setting) const;
    // A field's text as the camera takes it, and the camera's text shown in a field.
    std::u16string cameraText(Control control) const;
    void show(Control control, std::u16string_view text);
    // Each value read, in its setting's field, noting the texts the camera sent unsound. A byte
    // the code page could not decode shows as U+FFFD.
    void show(const camera::SettingValues& values);
    // The texts of the settings' fields, or of the group's, by setting.
    camera::SettingValues typed(std::span<const camera::CatalogueRow* const> settings) const;
    camera::SettingValues typed(camera::SettingGroup group) const;
    // Whether every one of the settings has a text: what a Set needs of the fields that no read
    // has filled from the camera, so that it never writes back blanks the camera never gave.
    static bool allTyped(const camera::SettingValues& values,
                         std::span<const camera::CatalogueRow* const> settings);
    // Whether a text the last read gave without its terminator would go back as it came, with
    // the padding the camera ran it on with.
    bool sendsUnsoundBack(const camera::SettingValues& values) const;

    // Whether the camera's code page holds every character of the texts, so that each reads back
    // as it was typed: a character it lacks would be sent as '?' or as a look-alike.
    static bool codePageHolds(const camera::SettingValues& values);
    // Refuses, with the refusal box naming the field, a text typed or pasted with a control
    // character (a line break, a tab, an escape) that would reach the camera; a text as the camera
    // gave it goes back as it came.
    bool refusesControlCharacters(const camera::SettingValues& values) const;
    // The refusal box of a text with that control character, naming the field by its label.
    void refuseControlCharacter(std::string_view label, char16_t character) const;

    // A camera call's outcome, under the result caption.
    void report(bool succeeded) const;
    // An input refused before anything was sent, under the caption with the exclamation mark.
    void refuse(std::string_view text) const;
    // A write's outcome: the refusal text when a check stopped it, else the camera's answer.
    void report(camera::WriteOutcome outcome, std::string_view refusal) const;
    // A Yes/No question under the result caption; true for Yes.
    bool ask(std::string_view question) const;

    // Writes a camera menu from the lists' selections, asks before a change that formats the
    // memory card, reports the first write, and shows the encryption option the camera keeps.
    template <typename Menu, typename Selection>
    void writeMenu(Menu& menu, const Selection& selection, Control encryptionList) {
        auto written = menu.write(selection);
        if (written.needsConfirmation) {
            written.encryptionPosition =
                menu.confirm(ask(edition_.language.settings.encryptionQuestion));
        }
        report(written.written);
        if (written.encryptionPosition) {
            controls_.select(encryptionList, *written.encryptionPosition);
        }
        menu.completeWrite();
    }

    const editions::Edition& edition_;
    Services& services_;
    WindowControls& controls_;

  private:
    // The texts each setting's field last showed from the camera, and those of them the read gave
    // unsound, by setting.
    std::map<std::string, std::string, std::less<>> shown_;
    camera::SettingValues unsound_;
};

}  // namespace window_logic
