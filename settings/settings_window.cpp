#include "settings_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "dialog_widgets.h"
#include "ui_text.h"

namespace settings {
namespace {

// The widgets exist before the logic that reaches them is made.
ui::WidgetControls& built(ui::WidgetControls& controls, QDialog& window,
                          const editions::Edition& edition, ui::Context& context) {
    window.setObjectName(ui::uiText(edition.settingsWindowClass));
    window.setWindowTitle(ui::uiText(edition.title));
    const auto measures = context.fontMeasures.of(window);
    ui::buildDialog(window,
                    window_logic::settingsDialog(edition, measures.textWidth, measures.metrics),
                    measures.units, controls);
    return controls;
}

}  // namespace

SettingsWindow::SettingsWindow(const editions::Edition& edition, ui::Context& context,
                               QWidget* parent)
    : QDialog(parent),
      controls_(*this,
                [&edition](int deviceKind) {
                    return editions::disabledByDeviceKind(edition, deviceKind);
                }),
      logic_(edition, context, built(controls_, *this, edition, context)) {
    for (const auto& [control, button] : controls_.buttons()) {
        // The window presses the focused button on Enter itself: no button is the default.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, role = std::get<editions::Button>(control)] { logic_.press(role); });
    }
    logic_.open();
}

void SettingsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the button that has the focus, as the desktop's dialogs do.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            accept();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace settings
