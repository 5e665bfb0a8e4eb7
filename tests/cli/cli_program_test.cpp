// The built program's commands, run as a user runs them: no display, the emulated camera's state
// in a file of the test's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class CliProgramTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(directory_.isValid()); }

    QString path(const QString& name) const { return directory_.filePath(name); }

    void writeFile(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray stateOf(const QString& camera) const {
        QFile file(path(camera));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Runs the program to its end against the camera whose state is in `camera`, from a shell
    // that first runs `shell` when one is given.
    void run(const QString& camera, const QStringList& arguments, const QString& output = {},
             const QString& shell = {}) {
        auto environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment.remove(variable);
        }
        environment.insert("K47_CAMERA_STATE", path(camera));
        environment.insert("QUMAT_PASSWORD", "000000");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory_.path());
        if (!output.isEmpty()) {
            process.setStandardOutputFile(output);
        }
        if (shell.isEmpty()) {
            process.start(QStringLiteral(QUMAT_BINARY), arguments);
        } else {
            process.start("/bin/sh", QStringList{"-c", shell + "; exec \"$0\" \"$@\"",
                                                 QStringLiteral(QUMAT_BINARY)} +
                                         arguments);
        }
        ASSERT_TRUE(process.waitForFinished(30000));
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
        exitCode_ = process.exitCode();
        output_ = process.readAllStandardOutput();
        errors_ = process.readAllStandardError();
    }

    QTemporaryDir directory_;
    int exitCode_ = -1;
    QByteArray output_;
    QByteArray errors_;
};

// A file-size limit fails the export instead of ending the program: the old profile stays whole
// and no temporary is left beside it.
TEST_F(CliProgramTest, AFileSizeLimitFailsTheExportAndKeepsTheProfile) {
    writeFile("fleet.ini", "[network]\nssid = Kept\n");
    run("camera.ini", {"export", "fleet.ini"}, {}, "ulimit -f 0");
    EXPECT_EQ(exitCode_, 1) << errors_.data();
    EXPECT_TRUE(errors_.contains("File too large")) << errors_.data();
    EXPECT_EQ(stateOf("fleet.ini"), "[network]\nssid = Kept\n");
    EXPECT_EQ(QDir(directory_.path()).entryList({"fleet.ini*"}, QDir::Files),
              QStringList({"fleet.ini"}));
}

// A standard input that fails to read (a directory) is no empty secret or profile.
TEST_F(CliProgramTest, AStandardInputThatCannotBeReadChangesNothing) {
    writeFile("camera.ini", "[Network]\nWifiPassword=kept\n");
    for (const QStringList& command :
         {QStringList{"set", "network.wifi_password=-"}, QStringList{"import", "-"}}) {
        run("camera.ini", command, {}, "exec < .");
        EXPECT_EQ(exitCode_, 2) << command.join(' ').toStdString();
        EXPECT_TRUE(errors_.contains("cannot read standard input: the read failed\n"))
            << errors_.data();
        EXPECT_EQ(stateOf("camera.ini"), "[Network]\nWifiPassword=kept\n");
    }
}

TEST_F(CliProgramTest, ShowAndSetNeedNoDisplay) {
    run("camera.ini", {"show"});
    EXPECT_EQ(exitCode_, 0) << errors_.data();
    EXPECT_TRUE(output_.contains("\nrecording.resolution = 1920x1080-30p\n")) << output_.data();

    run("camera.ini", {"set", "recording.gps=OFF", "network.ssid=Home"});
    EXPECT_EQ(exitCode_, 0) << errors_.data();
    EXPECT_EQ(output_, "network: written\nrecording: written\n");
    EXPECT_TRUE(stateOf("camera.ini").contains("Ssid=Home\n"));

    run("camera.ini", {"show", "--json"});
    EXPECT_TRUE(output_.contains("    \"gps\": \"off\",\n")) << output_.data();
    EXPECT_FALSE(QFile::exists(path("Language.ini")));

    // Options may come before the command, and "--" ends them.
    run("camera.ini", {"--model", "common", "--json", "show"});
    EXPECT_EQ(exitCode_, 0) << errors_.data();
    EXPECT_TRUE(output_.contains("    \"gps\": \"off\",\n")) << output_.data();
    run("camera.ini", {"--model=common", "set", "--", "--format-card"});
    EXPECT_EQ(exitCode_, 2);
    EXPECT_EQ(errors_, "qumat_pro: --format-card: expected NAME=VALUE\n");
    EXPECT_FALSE(QFile::exists(path("Language.ini")));
}

TEST_F(CliProgramTest, ExportFromOneCameraAndImportOnAnotherForBothModels) {
    for (const QString model : {"common", "stc"}) {
        const QByteArray camera = "[Camera]\nModel=" + model.toLatin1() + "\n";
        writeFile("first.ini", camera + "[Network]\nApn=fleet.apn\n");
        writeFile("second.ini", camera);
        run("first.ini", {"export", "profile.ini", "--model", model});
        ASSERT_EQ(exitCode_, 0) << errors_.data();

        run("second.ini", {"import", "profile.ini", "--model", model});
        EXPECT_EQ(exitCode_, 0) << errors_.data();
        EXPECT_EQ(output_, "network.apn: internet -> fleet.apn\nnetwork: written\n");
        EXPECT_TRUE(stateOf("second.ini").contains("Apn=fleet.apn\n"));
    }
}

// One camera's settings, secrets included, piped into another's: nothing touches the disk.
TEST_F(CliProgramTest, ExportThroughAPipeIntoImportForBothModels) {
    for (const QString model : {"common", "stc"}) {
        const QByteArray camera = "[Camera]\nModel=" + model.toLatin1() + "\n";
        writeFile("first.ini", camera + "[Network]\nApn=fleet.apn\nPin=4321\n");
        writeFile("second.ini", camera);
        run("second.ini", {"--model", model, "--include-secrets", "export", "-"}, {},
            "K47_CAMERA_STATE=first.ini \"$0\" \"$@\" | K47_CAMERA_STATE=second.ini \"$0\" "
            "import - --model " +
                model + "; exit $?");
        EXPECT_EQ(exitCode_, 0) << errors_.data();
        EXPECT_EQ(output_,
                  "network.apn: internet -> fleet.apn\nnetwork.pin: changes (a secret: "
                  "--show-secrets prints it)\nnetwork: written\n");
        EXPECT_EQ(errors_, "");
        EXPECT_TRUE(stateOf("second.ini").contains("Apn=fleet.apn\n"));
        EXPECT_TRUE(stateOf("second.ini").contains("Pin=4321\n"));
    }
}

TEST_F(CliProgramTest, AnEncryptionChangeWithoutFormatCardIsRefusedWithExitStatus2) {
    run("camera.ini", {"show"});
    const QByteArray before = stateOf("camera.ini");
    run("camera.ini", {"set", "recording.aes_encryption=ON", "recording.gps=OFF"});
    EXPECT_EQ(exitCode_, 2);
    EXPECT_TRUE(errors_.contains("add --format-card")) << errors_.data();
    EXPECT_EQ(stateOf("camera.ini"), before);
}

TEST_F(CliProgramTest, AFailingCameraCallGivesExitStatus1AndIsNamed) {
    const QByteArray failing = "[Faults]\nFail=Qumat_SetMenuConfig\n";
    writeFile("camera.ini", failing);
    run("camera.ini", {"set", "recording.aes_encryption=ON", "--format-card"});
    EXPECT_EQ(exitCode_, 1);
    EXPECT_EQ(errors_, "qumat_pro: recording: not written: Qumat_SetMenuConfig failed\n");
    // Neither the option nor the card's recordings changed: the camera rewrote no state.
    EXPECT_EQ(stateOf("camera.ini"), failing);
}

TEST_F(CliProgramTest, AnOutputThatCannotBeWrittenGivesExitStatus1) {
    // A full disk, and a pipe whose reader has gone (opened beside a reader that then closes).
    const QString noReader = "mkfifo out && exec 3<>out >out 3<&-";
    for (const QString& shell : {QString(), noReader}) {
        for (const QStringList& command :
             {QStringList{"show"}, QStringList{"set", "network.ssid=Home"}}) {
            run("camera.ini", command, shell.isEmpty() ? "/dev/full" : QString(), shell);
            EXPECT_EQ(exitCode_, 1) << command.join(' ').toStdString();
            EXPECT_EQ(errors_, "qumat_pro: the output could not be written\n");
            QFile::remove(path("out"));
        }
    }
}

}  // namespace
