#include "busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace app {

void BusyCursor::before(std::string_view /*function*/) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void BusyCursor::after(std::string_view /*function*/, const int32_t* /*flag*/) {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace app
