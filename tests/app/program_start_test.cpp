// Starts the built program as a user would and looks at what it leaves in its working directory.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>

#include "fake_usb_tree.h"

namespace {

const QByteArray kFreshFile =
    "[Configuration]\r\nLanguage=1\r\n{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n";

class ProgramStartTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(workingDirectory_.isValid()); }

    QString languageFile() const { return workingDirectory_.filePath("Language.ini"); }

    void writeLanguageFile(const QByteArray& content) const {
        QFile file(languageFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray languageFileContent() const {
        QFile file(languageFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Starts the program over a USB tree with one camera, and waits until the login window has
    // opened: its set-up ends with the USB scan, whose line then appears.
    void startAndWaitForTheLoginWindow() {
        const std::filesystem::path tree = usbTree_.path().toStdString();
        testing_support::addDevice(tree, "001", "001", 0x1d6b, 0x0002);
        testing_support::addDevice(tree, "001", "002", testing_support::kCameraVendor,
                                   testing_support::kCameraProduct);
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("K47_CAMERA_STATE", stateDirectory_.filePath("camera.ini"));
        environment.insert("USB_DEVFS_PATH", usbTree_.path());
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(workingDirectory_.path());
        process_.start(QStringLiteral(QUMAT_BINARY), {});
        ASSERT_TRUE(process_.waitForStarted());
        while (!output_.endsWith('\n') && process_.waitForReadyRead(30000)) {
            output_ += process_.readAllStandardOutput();
        }
        // Two devices are new to libusb; the one camera among them makes the count three.
        EXPECT_EQ(output_, "find amba dev:3\n");
        // Still running: the login window is open and waiting for the user.
        EXPECT_EQ(process_.state(), QProcess::Running) << process_.readAllStandardError().data();
    }

    void TearDown() override {
        process_.kill();
        process_.waitForFinished();
    }

    QTemporaryDir workingDirectory_;
    QTemporaryDir stateDirectory_;
    QTemporaryDir usbTree_;
    QProcess process_;
    QByteArray output_;
};

TEST_F(ProgramStartTest, FirstStartCreatesTheLanguageFileInTheWorkingDirectory) {
    startAndWaitForTheLoginWindow();
    EXPECT_EQ(languageFileContent(), kFreshFile);
}

TEST_F(ProgramStartTest, EmptyValueIsRewrittenWithTheDefault) {
    writeLanguageFile("[Configuration]\r\nLanguage=\r\n");
    startAndWaitForTheLoginWindow();
    EXPECT_EQ(languageFileContent(), kFreshFile);
}

TEST_F(ProgramStartTest, ChosenEditionLeavesTheFileAsItWas) {
    const QByteArray content = "[Configuration]\nLanguage=0\n; kept\n";
    writeLanguageFile(content);
    startAndWaitForTheLoginWindow();
    EXPECT_EQ(languageFileContent(), content);
}

// A mistyped code page must not pass for the system's: the window does not open.
TEST(ProgramCodePageTest, AVariableThatNamesNoCodePageEndsTheProgramSayingWhatItTakes) {
    QTemporaryDir directory;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QUMAT_ANSI_CODE_PAGE", "65001");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory.path());
    process.start(QStringLiteral(QUMAT_BINARY), {});
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        FAIL() << "the window opened";
    }
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError(),
              "qumat_pro: QUMAT_ANSI_CODE_PAGE='65001' names no ANSI code page: it takes 874, 932, "
              "936, 949, 950 or 1250 to 1258; unset it for the system's own\n");
    EXPECT_FALSE(QFile::exists(directory.filePath("Language.ini")));
}

class ProgramWithoutDisplayTest : public testing::Test {
  protected:
    // Runs the program to its end with no display in its environment.
    void run(const QStringList& arguments) {
        auto environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment.remove(variable);
        }
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(directory_.path());
        process_.start(QStringLiteral(QUMAT_BINARY), arguments);
        ASSERT_TRUE(process_.waitForFinished(10000));
        ASSERT_EQ(process_.exitStatus(), QProcess::NormalExit);
    }

    QTemporaryDir directory_;
    QProcess process_;
};

TEST_F(ProgramWithoutDisplayTest, SaysHowToGetADisplayInsteadOfAborting) {
    run({});
    EXPECT_NE(process_.exitCode(), 0);
    const QByteArray message = process_.readAllStandardError();
    EXPECT_EQ(message.count('\n'), 1) << message.data();
    EXPECT_TRUE(message.contains("xvfb-run")) << message.data();
}

TEST_F(ProgramWithoutDisplayTest, AnswersHelpWithoutOpeningAWindow) {
    run({QStringLiteral("--help")});
    EXPECT_EQ(process_.exitCode(), 0);
    EXPECT_TRUE(process_.readAllStandardOutput().startsWith("Usage: qumat_pro"));
    EXPECT_FALSE(QFile::exists(directory_.filePath("Language.ini")));
}

}  // namespace
