#include "qt_message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace app {

ui::MessageBoxButton QtMessageBoxes::show(const QString& text, const QString& caption,
                                          ui::MessageBoxStyle style) {
    const auto buttons = style == ui::MessageBoxStyle::WarningYesNo
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
            return ui::MessageBoxButton::Yes;
        case QMessageBox::No:
            return ui::MessageBoxButton::No;
        case QMessageBox::Ok:
            return ui::MessageBoxButton::Ok;
        default:
            // Closing the box with Esc or its close box answers like its escape button.
            return style == ui::MessageBoxStyle::WarningYesNo ? ui::MessageBoxButton::No
                                                              : ui::MessageBoxButton::Ok;
    }
}

void QtMessageBoxes::relabelNextBox() {
    relabelNext_ = true;
}

}  // namespace app
