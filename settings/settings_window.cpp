#include "settings_window.h"

#include "ui_text.h"

namespace settings {

SettingsWindow::SettingsWindow(const editions::Edition& edition, app::Context& /*context*/,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(app::uiText(edition.settingsWindowClass));
    setWindowTitle(app::uiText(edition.title));
    setFixedSize(editions::horizontalPixels(edition.settingsSize.width),
                 editions::verticalPixels(edition.settingsSize.height));
}

}  // namespace settings
