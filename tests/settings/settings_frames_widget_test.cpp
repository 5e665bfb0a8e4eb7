// The settings window as a screen reader meets it, and as a camera with a long text fills it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <functional>

#include "edition.h"
#include "settings_fixture.h"

namespace {

using testing_support::SettingsFixture;

// The name of the group a screen reader reads the widget in.
QString groupOf(QWidget* widget) {
    auto* parent = QAccessible::queryAccessibleInterface(widget)->parent();
    while (parent != nullptr && parent->role() != QAccessible::Grouping) {
        parent = parent->parent();
    }
    return parent != nullptr ? parent->text(QAccessible::Name) : QString();
}

class SettingsFramesTest : public testing::TestWithParam<int> {};

TEST_P(SettingsFramesTest, ControlsAreReadInTheirFramesGroupAndButtonsNameIt) {
    SettingsFixture fixture;
    fixture.useModelOf(GetParam());
    auto& window = fixture.open(GetParam());
    for (const auto& [control, frame] : {std::pair{"deviceIdLabel", "identityFrame"},
                                         {"firmwareValue", "cameraFrame"},
                                         {"apnUserEdit", "cellularFrame"},
                                         {"liveResolutionList", "liveStreamFrame"}}) {
        EXPECT_EQ(groupOf(fixture.find<QWidget>(control)), fixture.find<QGroupBox>(frame)->title())
            << control;
    }
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_EQ(button->accessibleDescription(), groupOf(button))
            << button->objectName().toStdString();
    }
}

// A screen reader meets each frame once: no group inside it goes by its name.
TEST_P(SettingsFramesTest, EachFrameIsOneGroup) {
    SettingsFixture fixture;
    fixture.useModelOf(GetParam());
    auto& window = fixture.open(GetParam(), 2);
    int frames = 0;
    const std::function<void(QAccessibleInterface*, const QString&)> walk =
        [&](QAccessibleInterface* node, const QString& enclosing) {
            QString group = enclosing;
            if (node->role() == QAccessible::Grouping) {
                ++frames;
                EXPECT_NE(node->text(QAccessible::Name), enclosing) << enclosing.toStdString();
                group = node->text(QAccessible::Name);
            }
            for (int child = 0; child < node->childCount(); ++child) {
                walk(node->child(child), group);
            }
        };
    walk(QAccessible::queryAccessibleInterface(&window), QString());
    EXPECT_EQ(frames, window.findChildren<QGroupBox*>().size());
}

INSTANTIATE_TEST_SUITE_P(Editions, SettingsFramesTest, testing::Range(0, 5));

TEST(SettingsFramesGreyingTest, TheTitleOfAFrameTheDeviceKindTakesAwayIsGreyed) {
    const auto title = [](int kind) {
        SettingsFixture fixture;
        fixture.open(editions::kEnglish, kind).show();
        QWidget* frame = fixture.find<QWidget>("apnEdit")->parentWidget();
        return frame->grab(QRect(0, 0, frame->width(), frame->contentsRect().top())).toImage();
    };
    EXPECT_NE(title(0), title(1));
}

// A firmware version of 63 wide letters is cut short in place, and read whole.
TEST(SettingsFramesValueTest, ALongCameraTextMovesNoFrame) {
    const QString firmware(63, QLatin1Char('W'));
    SettingsFixture fixtures[2];
    fixtures[1].changeCamera(
        [&firmware](k47::CameraState& state) { state.firmware = firmware.toStdString(); });
    QRect frames[2];
    for (const int index : {0, 1}) {
        fixtures[index].open(editions::kEnglish).show();
        QApplication::processEvents();
        frames[index] = fixtures[index].find<QWidget>("firmwareValue")->parentWidget()->geometry();
    }
    EXPECT_EQ(frames[1], frames[0]);
    auto* value = fixtures[1].find<QLabel>("firmwareValue");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(value)->text(QAccessible::Name), firmware);
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), value->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(value, &hover);
    EXPECT_EQ(QToolTip::text(), firmware);
    // The keyboard reaches it, shows it whole, and copies it.
    QToolTip::hideText();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(value, &focus);
    EXPECT_EQ(QToolTip::text(), firmware);
    EXPECT_TRUE(value->focusPolicy() & Qt::TabFocus);
    value->setSelection(0, static_cast<int>(firmware.size()));
    EXPECT_EQ(value->selectedText(), firmware);
}

}  // namespace
