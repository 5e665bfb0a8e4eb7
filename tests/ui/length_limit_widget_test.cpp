// Typing limits as the desktop platform's edit fields keep them, on a field limited to six.
#include "length_limit.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace {

struct EditCase {
    const char* name;
    QString shown;  // put in by the program, as a read from the camera does
    int selectionStart;
    int selectionLength;
    QString input;
    bool typed;  // typed key by key, or inserted at once as a paste
    QString expected;
};

TEST(LengthLimitTest, KeepsWhatFitsAndNeverLengthensPastTheLimit) {
    const EditCase cases[] = {
        {"long paste keeps its head", "", 0, 0, "ABCDEFGHIJ", false, "ABCDEF"},
        {"paste fills what is left", "ABC", 3, 0, "DEFGHIJ", false, "ABCDEF"},
        {"paste over a selection", "ABCDE", 2, 2, "XYZW", false, "ABXYZE"},
        {"typing stops at the limit", "ABCD", 4, 0, "EFGH", true, "ABCDEF"},
        {"a long text is kept whole", "ABCDEFGHIJ", 10, 0, "K", true, "ABCDEFGHIJ"},
        {"and typing over part of it too", "ABCDEFGHIJ", 0, 2, "X", true, "ABCDEFGHIJ"},
        {"but replacing it all fits", "ABCDEFGHIJ", 0, 10, "123456789", false, "123456"},
        {"no half of a surrogate pair", "ABCDE", 5, 0, QString::fromUtf16(u"\U0001F600"), false,
         "ABCDE"},
    };
    for (const EditCase& test : cases) {
        SCOPED_TRACE(test.name);
        QLineEdit edit;
        ui::LengthLimit::apply(&edit, 6);
        edit.setText(test.shown);
        edit.setSelection(test.selectionStart, test.selectionLength);
        if (test.typed) {
            QTest::keyClicks(&edit, test.input);
        } else {
            edit.insert(test.input);
        }
        EXPECT_EQ(edit.text(), test.expected);
    }
}

TEST(LengthLimitTest, ALongTextCanBeShortened) {
    QLineEdit edit;
    ui::LengthLimit::apply(&edit, 6);
    edit.setText("ABCDEFGHIJ");
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "ABCDEFGHI");
    edit.setSelection(0, 2);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "CDEFGHI");
}

}  // namespace
