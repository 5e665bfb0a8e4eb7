#include "qt_message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "ui_text.h"

namespace app {

window_logic::MessageBoxButton QtMessageBoxes::show(std::string_view textUtf8,
                                                    std::string_view captionUtf8,
                                                    window_logic::MessageBoxStyle style) {
    const QString text = ui::uiText(textUtf8);
    const QString caption = ui::uiText(captionUtf8);
    const auto buttons = style == window_logic::MessageBoxStyle::WarningYesNo
                             ? QMessageBox::Yes | QMessageBox::No
                             : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(QMessageBox::Warning, caption, text, buttons);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(caption);
    box.setAccessibleDescription(text);

    if (relabelNext_) {
        relabelNext_ = false;
        const std::pair<QMessageBox::StandardButton, QString> captions[] = {
            {QMessageBox::Yes, QStringLiteral("YES")},
            {QMessageBox::No, QStringLiteral("NO")},
            {QMessageBox::Ok, QStringLiteral("ОК")},
            {QMessageBox::Cancel, QStringLiteral("CANCEL")},
        };
        for (const auto& [which, label] : captions) {
            if (QAbstractButton* button = box.button(which)) {
                button->setText(label);
            }
        }
    }

    switch (box.exec()) {
        case QMessageBox::Yes:
            return window_logic::MessageBoxButton::Yes;
        case QMessageBox::No:
            return window_logic::MessageBoxButton::No;
        case QMessageBox::Ok:
            return window_logic::MessageBoxButton::Ok;
        default:
            // Closing the box with Esc or its close box answers like its escape button.
            return style == window_logic::MessageBoxStyle::WarningYesNo
                       ? window_logic::MessageBoxButton::No
                       : window_logic::MessageBoxButton::Ok;
    }
}

void QtMessageBoxes::relabelNextBox() {
    relabelNext_ = true;
}

}  // namespace app
