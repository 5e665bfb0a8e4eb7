#include "desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>

namespace app {

void identifyToDesktop() {
    QGuiApplication::setDesktopFileName(QStringLiteral("qumat_pro"));
    // The theme's icon is an SVG file, which Qt draws only with its SVG plugin; the one built in,
    // the same drawing at 16 to 256 pixels in an icon file, needs none.
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("qumat_pro"), QIcon(QStringLiteral(":/qumat_pro.ico"))));
}

}  // namespace app
