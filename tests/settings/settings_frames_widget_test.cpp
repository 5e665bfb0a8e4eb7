// The settings window as a screen reader meets it: each frame one group of its controls, and each
// button told apart by its frame.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>

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

}  // namespace
