// The settings window as a screen reader meets it, each frame one group of its controls and each
// button told apart by its frame, and as a camera with a long text fills it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <vector>

#include "edition.h"
#include "settings_fixture.h"

namespace {

using testing_support::SettingsFixture;

// The group a screen reader reads the widget in, or null.
QAccessibleInterface* groupOf(QWidget* widget) {
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(widget)->parent();
    while (parent != nullptr && parent->role() != QAccessible::Grouping) {
        parent = parent->parent();
    }
    return parent;
}

class SettingsFramesTest : public testing::TestWithParam<int> {};

TEST_P(SettingsFramesTest, ControlsAreReadInTheGroupOfTheirFrameAndButtonsNameIt) {
    SettingsFixture fixture;
    fixture.useModelOf(GetParam());
    auto& window = fixture.open(GetParam());
    const struct {
        const char* control;
        const char* frame;
    } places[] = {
        {"deviceIdLabel", "identityFrame"},        {"deviceIdEdit", "identityFrame"},
        {"identityGetButton", "identityFrame"},    {"firmwareValue", "cameraFrame"},
        {"apnUserEdit", "cellularFrame"},          {"networkSetButton", "networkFrame"},
        {"liveResolutionList", "liveStreamFrame"}, {"menuGetButton", "cameraConfigFrame"},
    };
    for (const auto& place : places) {
        const QAccessibleInterface* group = groupOf(fixture.find<QWidget>(place.control));
        ASSERT_NE(group, nullptr) << place.control;
        EXPECT_EQ(group->text(QAccessible::Name), fixture.find<QGroupBox>(place.frame)->title())
            << place.control;
    }
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_EQ(button->accessibleDescription(), groupOf(button)->text(QAccessible::Name))
            << button->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SettingsFramesTest, testing::Range(0, 5));

// The title and border of a frame the device kind takes away are greyed; another's are not.
TEST(SettingsFramesGreyingTest, OnlyTheDisabledFramesTitleIsGreyed) {
    const auto titleOf = [](int kind, const char* control) {
        SettingsFixture fixture;
        fixture.useModelOf(editions::kEnglish);
        fixture.open(editions::kEnglish, kind).show();
        QWidget* frame = fixture.find<QWidget>(control)->parentWidget();
        return frame->grab(QRect(0, 0, frame->width(), frame->contentsRect().top())).toImage();
    };
    EXPECT_NE(titleOf(0, "apnEdit"), titleOf(1, "apnEdit"));
    EXPECT_EQ(titleOf(0, "ssidEdit"), titleOf(1, "ssidEdit"));
}

// A firmware version of 63 wide letters is cut short within its frame, which moves nothing, and
// is read whole.
TEST(SettingsFramesValueTest, ALongCameraTextIsCutShortInPlaceAndReadWhole) {
    const auto frames = [](SettingsFixture& fixture) {
        auto& window = fixture.open(editions::kEnglish);
        window.show();
        QApplication::processEvents();
        std::vector<QRect> places;
        for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
            places.push_back(frame->geometry());
        }
        return places;
    };
    SettingsFixture shortText;
    SettingsFixture longText;
    const QString firmware(63, QLatin1Char('W'));
    longText.changeCamera(
        [&firmware](k47::CameraState& state) { state.firmware = firmware.toStdString(); });
    EXPECT_EQ(frames(longText), frames(shortText));

    auto* value = longText.find<QLabel>("firmwareValue");
    EXPECT_EQ(value->text(), firmware);
    EXPECT_TRUE(value->parentWidget()->contentsRect().contains(value->geometry()));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(value)->text(QAccessible::Name), firmware);
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), value->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(value, &hover);
    EXPECT_EQ(QToolTip::text(), firmware);
}

}  // namespace
