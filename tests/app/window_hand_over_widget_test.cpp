#include "window_hand_over.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScrollArea>
#include <QTimer>

#include "dialog_geometry.h"
#include "edition.h"
#include "mock_camera_library.h"
#include "scripted_message_boxes.h"
#include "temporary_directory.h"

namespace {

struct SeenWindow {
    QString objectName;
    QString title;
    QSize size;
    // The window's own font in dialog units.
    editions::DialogBaseUnits units{};
    bool fixedSize = false;
};

// Looks at the modal window once it runs, then closes it as the user would.
SeenWindow runAndClose(window_logic::HandOver& handOver, const editions::Edition& edition,
                       bool login) {
    SeenWindow seen;
    QTimer::singleShot(0, [&seen] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        // A window larger than the screen scrolls a page of its size.
        const auto* scrolled = window->findChild<QScrollArea*>();
        seen = {window->objectName(), window->windowTitle(),
                scrolled ? scrolled->widget()->size() : window->size(),
                ui::dialogBaseUnits(*window), window->minimumSize() == window->maximumSize()};
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
    window_logic::Session session_;
    testing_support::TemporaryDirectory directory_;
    ui::FontMeasures fontMeasures_;
};

TEST_P(WindowHandOverTest, LoginWindowRunsModallyWithItsTitleAndFixedSizeUntilClosed) {
    const auto& edition = editions::edition(GetParam());
    app::WindowHandOver handOver(camera_, messageBoxes_, session_, directory_ / "Language.ini",
                                 fontMeasures_);

    const SeenWindow seen = runAndClose(handOver, edition, true);

    EXPECT_EQ(seen.objectName.toStdString(), edition.loginWindowClass);
    EXPECT_EQ(seen.title.toStdString(), edition.title);
    EXPECT_TRUE(seen.fixedSize);
    EXPECT_EQ(seen.size, ui::dialogPixels(edition.language.loginSize, seen.units));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_P(WindowHandOverTest, SettingsWindowRunsModallyWithTheSameTitle) {
    const auto& edition = editions::edition(GetParam());
    app::WindowHandOver handOver(camera_, messageBoxes_, session_, directory_ / "Language.ini",
                                 fontMeasures_);

    const SeenWindow seen = runAndClose(handOver, edition, false);

    EXPECT_EQ(seen.objectName.toStdString(), edition.settingsWindowClass);
    EXPECT_EQ(seen.title.toStdString(), edition.title);
    EXPECT_TRUE(seen.fixedSize);
    EXPECT_EQ(seen.size, ui::dialogPixels(edition.language.settingsSize, seen.units));
}

INSTANTIATE_TEST_SUITE_P(Editions, WindowHandOverTest, testing::Range(0, 5));

}  // namespace
