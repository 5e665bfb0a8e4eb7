// The settings window for screen readers and the keyboard alone.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "settings_fixture.h"
#include "settings_layout.h"
#include "ui_text.h"

namespace {

using testing_support::SettingsFixture;

// The controls Tab reaches in a frame, in the order they read: its rows, its columns top to
// bottom, its inner frames, its lower rows and its buttons. The camera's values are among them,
// so that a keyboard reaches a value cut short.
void addReadingOrder(const editions::LayoutFrame& frame, QStringList& names) {
    const auto addFields = [&names](const std::vector<editions::LayoutField>& fields) {
        for (const auto& field : fields) {
            names << ui::uiText(field.name) + (field.kind == editions::ControlKind::list ? "List"
                                               : field.kind == editions::ControlKind::valueLabel
                                                   ? "Value"
                                                   : "Edit");
        }
    };
    const auto addRows = [&](const std::vector<editions::LayoutRow>& rows) {
        for (const auto& row : rows) {
            if (!row.hidden) {
                addFields(row.fields);
            }
        }
    };
    addRows(frame.rows);
    for (const auto& column : frame.columns) {
        addFields(column);
    }
    for (const auto& inner : frame.frames) {
        addReadingOrder(inner, names);
    }
    addRows(frame.lowerRows);
    for (const auto& button : frame.buttons) {
        names << ui::uiText(editions::buttonName(button.role));
    }
}

class SettingsKeyboardTest : public testing::TestWithParam<int> {
  protected:
    settings::SettingsWindow& openActive() {
        fixture_.useModelOf(GetParam());
        auto& window = fixture_.open(GetParam());
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }

    SettingsFixture fixture_;
};

TEST_P(SettingsKeyboardTest, TabWalksEveryFrameInReadingOrder) {
    const auto layout = editions::settingsLayout(editions::edition(GetParam()));
    QStringList expected;
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        for (const auto& frame : *frames) {
            addReadingOrder(frame, expected);
        }
    }
    auto& window = openActive();
    fixture_.edit("deviceIdEdit")->setFocus();
    QStringList reached;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        reached << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(reached, expected);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), expected.front()) << "Tab wraps round";
    EXPECT_TRUE(window.isVisible());
}

TEST_P(SettingsKeyboardTest, EnterPressesTheFocusedButtonAndEndsTheWindowElsewhere) {
    auto& window = openActive();
    fixture_.mark();
    auto* button = fixture_.find<QPushButton>("identityGetButton");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(fixture_.calls(), std::vector<std::string>{"GetZFYInfo"});
    EXPECT_TRUE(window.isVisible());

    auto* list = fixture_.find<QComboBox>("qualityList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_FALSE(window.isVisible());
}

TEST_P(SettingsKeyboardTest, EveryFrameIsAnnouncedByItsOwnTitle) {
    fixture_.useModelOf(GetParam());
    const auto frames = fixture_.open(GetParam()).findChildren<QGroupBox*>();
    EXPECT_GE(frames.size(), 8);
    for (QGroupBox* frame : frames) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(frame)->text(QAccessible::Name),
                  frame->title());
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SettingsKeyboardTest, testing::Range(0, 5));

// What the device kind disables is greyed, and nothing else: a frame's state is not its controls'.
TEST(DeviceKindGreyingTest, OnlyWhatTheKindDisablesIsGreyed) {
    for (const int edition : {editions::kEnglish, editions::kPortuguese}) {
        for (const int kind : {1, 2}) {
            SettingsFixture fixture;
            fixture.useModelOf(edition);
            const auto& window = fixture.open(edition, kind);
            const auto disabled = editions::disabledByDeviceKind(editions::edition(edition), kind);
            for (const auto* widget : window.findChildren<QWidget*>()) {
                const std::string name = widget->objectName().toStdString();
                if (name.ends_with("Label") || name.ends_with("Edit") || name.ends_with("Frame")) {
                    EXPECT_EQ(testing_support::greyed(*widget),
                              std::find(disabled.begin(), disabled.end(), name) != disabled.end())
                        << name << " edition " << edition << " kind " << kind;
                }
            }
        }
    }
}

}  // namespace
