#include "busy_camera_library.h"

#include <QCursor>
#include <QGuiApplication>

namespace app {

BusyCameraLibrary::BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCameraLibrary::BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace app
