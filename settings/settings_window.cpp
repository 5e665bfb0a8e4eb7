#include "settings_window.h"

namespace settings {

SettingsWindow::SettingsWindow(const editions::Edition& edition, app::Context& /*context*/,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromUtf8(edition.settingsWindowClass.data(),
                                    static_cast<qsizetype>(edition.settingsWindowClass.size())));
    setWindowTitle(
        QString::fromUtf8(edition.title.data(), static_cast<qsizetype>(edition.title.size())));
    setFixedSize(editions::horizontalPixels(edition.settingsSize.width),
                 editions::verticalPixels(edition.settingsSize.height));
}

}  // namespace settings
