#include "settings_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "dialog_geometry.h"
#include "layout_builder.h"
#include "settings_layout.h"
#include "ui_text.h"

namespace settings {
namespace {

// The widgets exist before the logic that reaches them is made.
ui::WidgetControls& built(ui::WidgetControls& controls, QDialog& window,
                          const editions::Edition& edition, ui::Context& context) {
    window.setObjectName(ui::uiText(edition.settingsWindowClass));
    window.setWindowTitle(ui::uiText(edition.title));
    const auto units = ui::dialogBaseUnits(window);
    QWidget* page =
        ui::fixSizeOnScreen(window, ui::dialogPixels(edition.language.settingsSize, units));
    LayoutBuilder(page, units, controls, context.measuredSizes)
        .build(editions::settingsLayout(edition));
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
    for (const auto& [role, button] : controls_.buttons()) {
        connect(button, &QPushButton::clicked, this, [this, role = role] { logic_.press(role); });
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
