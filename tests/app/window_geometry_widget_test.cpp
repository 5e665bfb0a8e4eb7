// Every widget of the ten windows shows its text whole, inside its frame, over no other widget,
// and every window opens wholly on its screen, at the desktop settings a user may have. Each
// setting runs the walk in a process of its own, since the screen and the scale are fixed when
// the toolkit starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <fstream>
#include <memory>

#include "login_window.h"
#include "settings_fixture.h"
#include "temporary_directory.h"

namespace {

bool isDrawn(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QPushButton*>(widget) ||
           qobject_cast<const QGroupBox*>(widget);
}

// What of the widget's text its own rectangle cuts off, if anything.
QString clippedText(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    QString text;
    QRect room;
    int width = 0;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        room = label->contentsRect();
        if (!label->pixmap().isNull()) {
            const QSize picture = label->pixmap().deviceIndependentSize().toSize();
            return picture.boundedTo(room.size()) == picture ? QString()
                                                             : QStringLiteral("picture");
        }
        text = label->text();
        const QRect needed =
            metrics.boundingRect(room, label->wordWrap() ? Qt::TextWordWrap : 0, text);
        width = needed.width();
        if (needed.height() > room.height()) {
            return text + QStringLiteral(" (lines)");
        }
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        text = button->text();
        width = metrics.horizontalAdvance(text);
    } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        option.frame = list->hasFrame();
        // The entry is drawn a pixel in from either side of the field.
        room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .adjusted(1, 0, -1, 0);
        for (int index = 0; index < list->count(); ++index) {
            if (metrics.horizontalAdvance(list->itemText(index)) > width) {
                text = list->itemText(index);
                width = metrics.horizontalAdvance(text);
            }
        }
    } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        room = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                            box);
        text = box->title();
        width = metrics.horizontalAdvance(text);
        if (!box->rect().contains(room)) {
            return text + QStringLiteral(" (outside its frame)");
        }
    } else {
        room = widget->contentsRect();
    }
    return width > room.width() || metrics.height() > room.height() ? text + QStringLiteral(" ")
                                                                    : QString();
}

// The faults of the window once shown, one line each.
std::string faultsOf(QWidget& window) {
    window.show();
    QApplication::processEvents();
    QStringList faults;
    const auto name = [](const QWidget* widget) {
        return widget->objectName().isEmpty()
                   ? QString::fromLatin1(widget->metaObject()->className())
                   : widget->objectName();
    };
    if (!window.screen()->availableGeometry().contains(window.frameGeometry())) {
        QDebug(&faults.emplace_back()) << "off the screen:" << window.frameGeometry();
    }
    // A page too tall for its screen scrolls down only where the screen is wide enough for the
    // page and a scroll bar.
    if (const auto* scrolled = window.findChild<QScrollArea*>(QStringLiteral("scrolledPage"))) {
        const int bar = scrolled->verticalScrollBar()->sizeHint().width();
        if (scrolled->horizontalScrollBar()->isVisible() &&
            scrolled->widget()->width() + 2 * bar < window.screen()->availableGeometry().width()) {
            faults << QStringLiteral("scrolls across with room to spare");
        }
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!isDrawn(widget) || !widget->isVisibleTo(&window)) {
            continue;
        }
        if (const QString clipped = clippedText(widget); !clipped.isNull()) {
            faults << name(widget) + QStringLiteral(" cuts off: ") + clipped;
        }
        QRect inside = widget->parentWidget()->rect();
        if (const auto* box = qobject_cast<const QGroupBox*>(widget->parentWidget())) {
            inside.setTop(box->contentsRect().top());
        }
        if (!inside.contains(widget->geometry())) {
            faults << name(widget) + QStringLiteral(" lies outside ") +
                          name(widget->parentWidget());
        }
        for (const QObject* sibling : widget->parentWidget()->children()) {
            const auto* other = qobject_cast<const QWidget*>(sibling);
            if (other != nullptr && other < widget && isDrawn(other) &&
                other->isVisibleTo(&window) && other->geometry().intersects(widget->geometry())) {
                faults << name(widget) + QStringLiteral(" overlaps ") + name(other);
            }
        }
    }
    return faults.join(QLatin1Char('\n')).toStdString();
}

// The ten windows at this process's settings, on the emulated camera with every value filled.
TEST(WindowGeometryTest, EveryWidgetOfTheTenWindowsShowsWholeWithoutOverlap) {
    if (const int points = qEnvironmentVariableIntValue("QUMAT_TEST_FONT_POINTS")) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    if (qEnvironmentVariableIsSet("QUMAT_TEST_STYLE_SHEET")) {
        qApp->setStyleSheet(qEnvironmentVariable("QUMAT_TEST_STYLE_SHEET"));
    }
    for (int index = 0; index < 5; ++index) {
        testing_support::SettingsFixture fixture;
        fixture.useModelOf(index);
        const auto& edition = editions::edition(index);
        {
            login::LoginWindow login(edition, fixture.context);
            EXPECT_EQ(faultsOf(login), "") << edition.language.name << " login";
            // Connected, the button reads a longer text.
            login.findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
            EXPECT_EQ(faultsOf(login), "") << edition.language.name << " login, connected";
        }
        EXPECT_EQ(faultsOf(fixture.open(index)), "") << edition.language.name << " settings";
    }
}

struct Setting {
    const char* name;
    QSize screen;
    const char* scale = "1";
    const char* fontPoints = "0";
    const char* styleSheet = nullptr;
};

void PrintTo(const Setting& setting, std::ostream* out) {
    *out << setting.name;
}

class WindowGeometrySettingTest : public testing::TestWithParam<Setting> {};

TEST_P(WindowGeometrySettingTest, WalkPassesInAProcessWithTheSetting) {
    const Setting& setting = GetParam();
    const testing_support::TemporaryDirectory directory;
    const auto screens = directory / "screens.json";
    std::ofstream(screens) << R"({"screens": [{"name": "screen", "width": )"
                           << setting.screen.width() << R"(, "height": )" << setting.screen.height()
                           << "}]}";
    QProcess walk;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(setting.scale));
    environment.insert(QStringLiteral("QUMAT_TEST_FONT_POINTS"),
                       QString::fromLatin1(setting.fontPoints));
    if (setting.styleSheet != nullptr) {
        environment.insert(QStringLiteral("QUMAT_TEST_STYLE_SHEET"),
                           QString::fromLatin1(setting.styleSheet));
    }
    walk.setProcessEnvironment(environment);
    walk.setProcessChannelMode(QProcess::MergedChannels);
    walk.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("-platform"),
                QStringLiteral("offscreen:configfile=") + QString::fromStdString(screens.string()),
                QStringLiteral("--gtest_filter=WindowGeometryTest.*")});
    ASSERT_TRUE(walk.waitForFinished(120000));
    EXPECT_EQ(walk.exitCode(), 0) << walk.readAll().toStdString();
}

INSTANTIATE_TEST_SUITE_P(DesktopSettings, WindowGeometrySettingTest,
                         testing::Values(Setting{"DefaultFont", {1920, 1080}},
                                         Setting{"TwelvePointFont", {1920, 1080}, "1", "12"},
                                         // Labels keep their line, the banner its whole picture.
                                         Setting{"SevenPointFont", {1920, 1080}, "1", "7"},
                                         Setting{"ScaledOneAndAHalf", {1920, 1080}, "1.5"},
                                         Setting{"ScaledTwice", {1920, 1080}, "2"},
                                         Setting{"SmallScreen", {1280, 800}},
                                         // A style sheet's font, which widgets take only once
                                         // polished: every list still as wide as its longest entry.
                                         Setting{.name = "StyleSheetFont",
                                                 .screen = {1920, 1080},
                                                 .styleSheet = "* { font-size: 12pt; }"},
                                         // Too low for the settings window, wide enough for it
                                         // and a scroll bar.
                                         Setting{"LowScreen", {1920, 540}}),
                         [](const testing::TestParamInfo<Setting>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
