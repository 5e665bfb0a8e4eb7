// The login window against the emulated camera, as a user meets it without hardware.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "camera_hold.h"
#include "edition.h"
#include "emulated_camera_library.h"
#include "environment_variable.h"
#include "file_lock.h"
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

// While another program holds the camera, Connect shows its failure box and asks the camera
// nothing; once that program is killed, Connect connects, and the window holds the camera against
// the next program.
TEST(LoginCameraHoldTest, ConnectFailsWhileAnotherProgramHoldsTheCamera) {
    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera(directory.path());
    const auto stateFile = QString::fromStdString((directory / "camera.ini").string());
    testing_support::setEnvironmentVariable("K47_CAMERA_STATE", stateFile.toUtf8().constData());
    const auto lockFile = camera::cameraLockFile();
    testing_support::setOrRemoveEnvironmentVariable("K47_CAMERA_STATE", nullptr);
    camera::CameraHold hold(lockFile);
    // The other program: a show whose firmware read takes a minute.
    auto state = camera.state();
    state.faults.delays = {{k47::Function::Qumat_GetFwVersion, 60000}};
    camera.setState(state);
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("K47_CAMERA_STATE", stateFile);
    environment.insert("QUMAT_PASSWORD", "000000");
    const QString qumat = QFileInfo(QStringLiteral(QUMAT_BINARY)).dir().filePath("qumat");
    QProcess other;
    other.setProcessEnvironment(environment);
    other.start(qumat, {"show"});
    ASSERT_TRUE(other.waitForStarted());
    const auto holder = static_cast<unsigned long>(other.processId());
    for (int tries = 0; tries < 100 && platform::FileLock::holderOf(lockFile) != holder; ++tries) {
        QTest::qWait(100);
    }
    ASSERT_EQ(platform::FileLock::holderOf(lockFile), holder);

    testing_support::ScriptedMessageBoxes messageBoxes;
    RecordingHandOver handOver;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    ui::Context context{{.camera = camera,
                         .messageBoxes = messageBoxes,
                         .handOver = handOver,
                         .session = session,
                         .languageFile = directory / "Language.ini",
                         .cameraHold = &hold},
                        fontMeasures};
    const auto& english = editions::edition(editions::kEnglish);
    login::LoginWindow window(english, context);
    auto* connect = window.findChild<QPushButton*>("connectButton");
    const QString connectText = connect->text();
    QTest::mouseClick(connect, Qt::LeftButton);
    EXPECT_EQ(messageBoxes.texts(),
              QStringList(QString::fromUtf8(english.language.login.connectFail.data())));
    EXPECT_EQ(connect->text(), connectText);
    EXPECT_EQ(session.connected, 0);
    EXPECT_TRUE(camera.journal().empty());

    other.kill();
    ASSERT_TRUE(other.waitForFinished());
    QTest::mouseClick(connect, Qt::LeftButton);
    EXPECT_EQ(messageBoxes.texts().size(), 1);
    EXPECT_EQ(connect->text().toStdString(), english.language.login.connectedButton);
    EXPECT_EQ(session.connected, 1);

    other.start(qumat, {"get", "network.ssid"});
    ASSERT_TRUE(other.waitForFinished());
    EXPECT_EQ(other.exitCode(), 1);
    EXPECT_EQ(other.readAllStandardError().toStdString(),
              "qumat: the camera is in use by another program (process " +
                  std::to_string(QCoreApplication::applicationPid()) + ")\n");
}

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
