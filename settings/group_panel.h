#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <span>
#include <string>
#include <string_view>

#include "context.h"
#include "controls.h"
#include "edition.h"
#include "write_outcome.h"

namespace settings {

// What every group of the settings window shares: its window's controls, found by name, the
// services, and the boxes that report to the user.
class GroupPanel : public QObject {
    Q_OBJECT

  protected:
    GroupPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
               ui::Context& context);

    // The setting of the window's camera model with that catalogue key.
    const camera::CatalogueRow& setting(std::string_view key) const {
        return edition_.model.rowAt(key);
    }

    // Runs the handler when the button is clicked.
    template <typename Panel>
    void onClicked(editions::Button button, void (Panel::*handler)()) {
        connect(&controls_.button(button), &QPushButton::clicked, static_cast<Panel*>(this),
                handler);
    }

    // Limits typing into the setting's field as its row and the camera's device kind want.
    void limitTypingInto(const camera::CatalogueRow& row);

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
    void writeMenu(Menu& menu, const Selection& selection, QComboBox& encryptionList) {
        auto written = menu.write(selection);
        if (written.needsConfirmation) {
            written.encryptionPosition =
                menu.confirm(ask(edition_.language.settings.encryptionQuestion));
        }
        report(written.written);
        if (written.encryptionPosition) {
            encryptionList.setCurrentIndex(*written.encryptionPosition);
        }
        menu.completeWrite();
    }

    QDialog& window_;
    const Controls& controls_;
    const editions::Edition& edition_;
    ui::Context& context_;
};

// Replaces the list's entries, leaving it without a selection.
void fillList(QComboBox* list, std::span<const std::string_view> entries);

QString windowText(const std::u16string& text);
std::u16string cameraText(const QString& text);

}  // namespace settings
