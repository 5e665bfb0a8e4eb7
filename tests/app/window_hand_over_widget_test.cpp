#include "window_hand_over.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "edition.h"
#include "mock_camera_library.h"
#include "scripted_message_boxes.h"
#include "temporary_directory.h"

namespace {

struct SeenWindow {
    QString objectName;
    QString title;
    QSize size;
    bool fixedSize = false;
};

// Looks at the modal window once it runs, then closes it as the user would.
SeenWindow runAndClose(app::HandOver& handOver, const editions::Edition& edition, bool login) {
    SeenWindow seen;
    QTimer::singleShot(0, [&seen] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        seen = {window->objectName(), window->windowTitle(), window->size(),
                window->minimumSize() == window->maximumSize()};
        window->close();
    });
    if (login) {
        handOver.runLoginWindow(edition);
    } else {
        handOver.runSettingsWindow(edition);
    }
    return seen;
}

class WindowHandOverTest : public testing::TestWithParam<int> {
  protected:
    testing::NiceMock<testing_support::MockCameraLibrary> camera_;
    testing_support::ScriptedMessageBoxes messageBoxes_;
    camera::Session session_;
    testing_support::TemporaryDirectory directory_;
};

TEST_P(WindowHandOverTest, LoginWindowRunsModallyWithItsTitleAndFixedSizeUntilClosed) {
    const auto& edition = editions::edition(GetParam());
    app::WindowHandOver handOver(camera_, messageBoxes_, session_, directory_ / "Language.ini");

    const SeenWindow seen = runAndClose(handOver, edition, true);

    EXPECT_EQ(seen.objectName.toStdString(), edition.loginWindowClass);
    EXPECT_EQ(seen.title.toStdString(), edition.title);
    EXPECT_TRUE(seen.fixedSize);
    EXPECT_EQ(seen.size.width(), 575);
    EXPECT_EQ(seen.size.height(), edition.loginSize.height == 205 ? 333 : 330);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_P(WindowHandOverTest, SettingsWindowRunsModallyWithTheSameTitle) {
    const auto& edition = editions::edition(GetParam());
    app::WindowHandOver handOver(camera_, messageBoxes_, session_, directory_ / "Language.ini");

    const SeenWindow seen = runAndClose(handOver, edition, false);

    EXPECT_EQ(seen.objectName.toStdString(), edition.settingsWindowClass);
    EXPECT_EQ(seen.title.toStdString(), edition.title);
    EXPECT_TRUE(seen.fixedSize);
    EXPECT_EQ(seen.size, QSize(1068, 522));
}

INSTANTIATE_TEST_SUITE_P(Editions, WindowHandOverTest, testing::Range(0, 5));

}  // namespace
