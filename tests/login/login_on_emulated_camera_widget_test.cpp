// The login window against the emulated camera, as a user meets it without hardware.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "edition.h"
#include "emulated_camera_library.h"
#include "login_window.h"
#include "recording_hand_over.h"
#include "scripted_message_boxes.h"
#include "temporary_directory.h"
#include "window_hand_over.h"

namespace {

using testing_support::RecordingHandOver;

class LoginOnEmulatedCameraTest : public testing::TestWithParam<int> {
  protected:
    const editions::Edition& edition() const { return editions::edition(GetParam()); }

    void logIn(login::LoginWindow& window, const QString& password) {
        QTest::mouseClick(window.findChild<QPushButton*>("connectButton"), Qt::LeftButton);
        QTest::keyClicks(window.findChild<QLineEdit*>("passwordEdit"), password);
        QTest::mouseClick(window.findChild<QPushButton*>("loginButton"), Qt::LeftButton);
    }

    testing_support::TemporaryDirectory directory_;
    testing_support::EmulatedCameraLibrary camera_{directory_.path()};
    testing_support::ScriptedMessageBoxes messageBoxes_;
    RecordingHandOver handOver_;
    window_logic::Session session_;
    ui::FontMeasures fontMeasures_;
    ui::Context context_{{camera_, messageBoxes_, handOver_, session_, directory_ / "Language.ini"},
                         fontMeasures_};
};

TEST_P(LoginOnEmulatedCameraTest, AdministratorPasswordReachesTheSettingsWindow) {
    login::LoginWindow window(edition(), context_);
    logIn(window, QStringLiteral("000000"));

    ASSERT_EQ(messageBoxes_.texts().size(), 1);
    EXPECT_EQ(messageBoxes_.texts()[0].toStdString(), edition().language.login.loginSuccessful);
    ASSERT_EQ(handOver_.runs().size(), 1u);
    EXPECT_EQ(handOver_.runs()[0].window, RecordingHandOver::Window::Settings);
    EXPECT_EQ(handOver_.runs()[0].edition, GetParam());
    EXPECT_STREQ(session_.loginPassword.data(), "000000");
    EXPECT_EQ(session_.deviceKind, 0);
}

TEST_P(LoginOnEmulatedCameraTest, WrongPasswordIsRefusedByTheCamera) {
    login::LoginWindow window(edition(), context_);
    logIn(window, QStringLiteral("999999"));
    ASSERT_EQ(messageBoxes_.texts().size(), 1);
    EXPECT_EQ(messageBoxes_.texts()[0].toStdString(), edition().language.login.wrongPassword);
    EXPECT_TRUE(handOver_.runs().empty());
}

TEST_P(LoginOnEmulatedCameraTest, DetachedCameraCannotBeConnected) {
    auto state = camera_.state();
    state.attached = false;
    camera_.setState(state);
    login::LoginWindow window(edition(), context_);
    logIn(window, QStringLiteral("000000"));
    EXPECT_EQ(messageBoxes_.texts(),
              QStringList({QString::fromUtf8(edition().language.login.connectFail.data()),
                           QString::fromUtf8(edition().language.login.connectDeviceFirst.data())}));
    EXPECT_EQ(messageBoxes_.boxes()[0].relabelled, edition().language.relabelsConnectFailBox);
}

INSTANTIATE_TEST_SUITE_P(Editions, LoginOnEmulatedCameraTest, testing::Range(0, 5));

TEST(LoginWindowChainTest, LoginEndsTheLoginWindowAndRunsTheSettingsWindowUntilItCloses) {
    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera(directory.path());
    testing_support::ScriptedMessageBoxes messageBoxes;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    app::WindowHandOver handOver(camera, messageBoxes, session, directory / "Language.ini",
                                 fontMeasures);

    QString settingsWindow;
    bool loginWindowHidden = false;
    QTimer::singleShot(0, [&] {
        auto* login = QApplication::activeModalWidget();
        ASSERT_NE(login, nullptr);
        QTimer::singleShot(0, [&, login] {
            settingsWindow = QApplication::activeModalWidget()->objectName();
            loginWindowHidden = !login->isVisible();
            QApplication::activeModalWidget()->close();
        });
        QTest::mouseClick(login->findChild<QPushButton*>("connectButton"), Qt::LeftButton);
        QTest::keyClicks(login->findChild<QLineEdit*>("passwordEdit"), "000000");
        QTest::mouseClick(login->findChild<QPushButton*>("loginButton"), Qt::LeftButton);
    });
    handOver.runLoginWindow(editions::edition(editions::kSpanish));

    EXPECT_EQ(settingsWindow, "Qumat_main_en_span");
    EXPECT_TRUE(loginWindowHidden);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
