#include "busy_cursor.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "mock_camera_library.h"

namespace {

using testing::_;

Qt::CursorShape currentCursor() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor == nullptr ? Qt::ArrowCursor : cursor->shape();
}

TEST(BusyCursorTest, ShowsTheBusyCursorDuringEachCallOnly) {
    testing::StrictMock<testing_support::MockCameraLibrary> camera;
    Qt::CursorShape during = Qt::ArrowCursor;
    EXPECT_CALL(camera, Qumat_GetMenuConfig(_, 32, _))
        .WillOnce([&](uint8_t*, int32_t, int32_t* flag) {
            during = currentCursor();
            *flag = 1;
        });
    app::BusyCursor cursor;
    camera::ObservedCameraLibrary busy(camera, cursor);
    uint8_t record[32] = {};
    int32_t flag = 0;
    busy.Qumat_GetMenuConfig(record, 32, &flag);

    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
