#include "qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

using window_logic::MessageBoxButton;
using window_logic::MessageBoxStyle;

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString accessibleName;
    QString accessibleDescription;
    bool hasParent = true;
};

// Shows one box, looks at it while it is open, and closes it with `press`.
MessageBoxButton showAndPress(window_logic::MessageBoxes& boxes, MessageBoxStyle style,
                              QMessageBox::StandardButton press, SeenBox& seen) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {};
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        seen.buttons.sort();
        seen.accessibleName = box->accessibleName();
        seen.accessibleDescription = box->accessibleDescription();
        seen.hasParent = box->parentWidget() != nullptr;
        box->button(press)->click();
    });
    return boxes.show("Connect Fail", "Attention!", style);
}

TEST(QtMessageBoxesTest, OkBoxIsAnOwnerlessWarningReadableByScreenReaders) {
    app::QtMessageBoxes boxes;
    SeenBox seen;
    EXPECT_EQ(showAndPress(boxes, MessageBoxStyle::WarningOk, QMessageBox::Ok, seen),
              MessageBoxButton::Ok);
    EXPECT_EQ(seen.title, "Attention!");
    EXPECT_EQ(seen.text, "Connect Fail");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QStringList({"OK"}));
    EXPECT_FALSE(seen.hasParent);
    EXPECT_EQ(seen.accessibleName, "Attention!");
    EXPECT_EQ(seen.accessibleDescription, "Connect Fail");
}

TEST(QtMessageBoxesTest, YesNoBoxReportsTheButtonPressed) {
    app::QtMessageBoxes boxes;
    SeenBox seen;
    EXPECT_EQ(showAndPress(boxes, MessageBoxStyle::WarningYesNo, QMessageBox::Yes, seen),
              MessageBoxButton::Yes);
    EXPECT_EQ(seen.buttons, QStringList({"&No", "&Yes"}));
    EXPECT_EQ(showAndPress(boxes, MessageBoxStyle::WarningYesNo, QMessageBox::No, seen),
              MessageBoxButton::No);
}

TEST(QtMessageBoxesTest, RelabellingChangesTheNextBoxOnly) {
    app::QtMessageBoxes boxes;
    SeenBox seen;
    boxes.relabelNextBox();
    showAndPress(boxes, MessageBoxStyle::WarningOk, QMessageBox::Ok, seen);
    EXPECT_EQ(seen.buttons, QStringList({QString::fromUtf8("\xD0\x9E\xD0\x9A")}));  // Cyrillic

    boxes.relabelNextBox();
    showAndPress(boxes, MessageBoxStyle::WarningYesNo, QMessageBox::No, seen);
    EXPECT_EQ(seen.buttons, QStringList({"NO", "YES"}));

    showAndPress(boxes, MessageBoxStyle::WarningOk, QMessageBox::Ok, seen);
    EXPECT_EQ(seen.buttons, QStringList({"OK"}));
}

}  // namespace
