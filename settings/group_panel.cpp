#include "group_panel.h"

#include "length_limit.h"
#include "ui_text.h"

namespace settings {

GroupPanel::GroupPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                       ui::Context& context)
    : QObject(&window),
      window_(window),
      controls_(controls),
      edition_(edition),
      context_(context) {}

void GroupPanel::limitTypingInto(const camera::CatalogueRow& row) {
    LengthLimit::apply(&controls_.edit(row), row.limitFor(context_.session.deviceKind));
}

void GroupPanel::report(bool succeeded) const {
    const auto& texts = edition_.language.settings;
    QString text = ui::uiText(succeeded ? texts.success : texts.failure);
    if (const auto refusal = context_.changeRefusal(); !succeeded && !refusal.empty()) {
        // In English, as the log's own reason comes.
        text += QStringLiteral("\n\n") + QString::fromStdString(refusal);
    }
    context_.messageBoxes.show(text, ui::uiText(texts.caption), ui::MessageBoxStyle::WarningOk);
}

void GroupPanel::refuse(std::string_view text) const {
    context_.messageBoxes.show(ui::uiText(text), ui::uiText(edition_.language.login.caption),
                               ui::MessageBoxStyle::WarningOk);
}

void GroupPanel::report(camera::WriteOutcome outcome, std::string_view refusal) const {
    if (outcome == camera::WriteOutcome::refused) {
        refuse(refusal);
    } else {
        report(outcome == camera::WriteOutcome::written);
    }
}

bool GroupPanel::ask(std::string_view question) const {
    return context_.messageBoxes.show(
               ui::uiText(question), ui::uiText(edition_.language.settings.caption),
               ui::MessageBoxStyle::WarningYesNo) == ui::MessageBoxButton::Yes;
}

void fillList(QComboBox* list, std::span<const std::string_view> entries) {
    // One insertion of every entry, each at its position.
    list->clear();
    list->insertItems(0, ui::uiTexts(entries));
    // Inserting the first entry selects it; the camera's value decides instead.
    list->setCurrentIndex(-1);
}

QString windowText(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

std::u16string cameraText(const QString& text) {
    return text.toStdU16String();
}

}  // namespace settings
