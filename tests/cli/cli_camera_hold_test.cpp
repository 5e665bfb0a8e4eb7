// Programs at one camera at the same time, as real processes of the built command line: the one
// that holds the camera keeps every other out until it ends, however it ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <map>
#include <memory>
#include <string>

#include "camera_hold.h"
#include "environment_variable.h"
#include "file_lock.h"

namespace {

struct Outcome {
    int status = -1;
    QByteArray output;
    QByteArray errors;
};

class CameraHoldTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        environment_ = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment_.remove(variable);
        }
        environment_.insert("K47_CAMERA_STATE", path("camera.ini"));
        environment_.insert("K47_CAMERA_JOURNAL", path("journal.txt"));
        environment_.insert("QUMAT_CHANGE_LOG", path("changes.log"));
        environment_.insert("QUMAT_PASSWORD", "000000");
        // The lock file the programs find for that camera.
        testing_support::setEnvironmentVariable("K47_CAMERA_STATE",
                                                path("camera.ini").toUtf8().constData());
        lockFile_ = camera::cameraLockFile();
        testing_support::setOrRemoveEnvironmentVariable("K47_CAMERA_STATE", nullptr);
    }

    QString path(const QString& name) const { return directory_.filePath(name); }

    void writeFile(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray contentOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The command line, started in the test's directory and left running; `script` runs it from
    // a shell, as "$0".
    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& script = {}) {
        const QString program = QFileInfo(QStringLiteral(QUMAT_BINARY)).dir().filePath("qumat");
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment_);
        process->setWorkingDirectory(directory_.path());
        if (script.isEmpty()) {
            process->start(program, arguments);
        } else {
            process->start("/bin/sh", QStringList{"-c", script, program} + arguments);
        }
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    static Outcome finish(QProcess& process) {
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }

    Outcome run(const QStringList& arguments) { return finish(*start(arguments)); }

    // Whether the process holds the camera: its id is in the lock file, and the lock taken.
    bool holds(const QProcess& process) const {
        return platform::FileLock::holderOf(lockFile_) ==
               static_cast<unsigned long>(process.processId());
    }

    // Waits for a process's standard error to say `text`, for ten seconds at most.
    static bool says(QProcess& process, const QByteArray& text, QByteArray& errors) {
        for (int tries = 0; tries < 100 && !errors.contains(text); ++tries) {
            process.waitForReadyRead(100);
            errors += process.readAllStandardError();
        }
        return errors.contains(text);
    }

    QTemporaryDir directory_;
    QProcessEnvironment environment_;
    std::filesystem::path lockFile_;
};

// A set that reads, writes and then takes a minute over its network write holds the camera: the
// next programs are told so, or wait for it, and touch nothing meanwhile; killed, it leaves the
// camera free, and the waiting programs go on.
TEST_F(CameraHoldTest, AHolderKeepsOthersOutUntilItIsKilledAndTheWaitingGoOn) {
    writeFile("camera.ini", "[Faults]\nDelay.Qumat_SetNetConfig=60000\n");
    auto holder = start({"set", "network.ssid=Held"});
    for (int tries = 0; tries < 100 && !holds(*holder); ++tries) {
        QThread::msleep(100);
    }
    ASSERT_TRUE(holds(*holder));
    const QByteArray inUse = "the camera is in use by another program (process " +
                             QByteArray::number(static_cast<qint64>(holder->processId())) + ")";

    auto set = run({"set", "network.server_port=1234"});
    EXPECT_EQ(set.status, 1);
    EXPECT_EQ(set.errors, "qumat: " + inUse + "\n");
    EXPECT_EQ(set.output, "");
    auto show = run({"show", "--json"});
    EXPECT_EQ(show.status, 1);
    EXPECT_EQ(show.output, "{\"error\": \"" + inUse + "\", \"call\": \"\"}\n");

    writeFile("ids.csv", "identity.device_id,identity.officer_id\nB000001,200001\n");
    writeFile("fleet.ini", "[recording]\ngps = off\n");
    auto wait = start({"wait", "--connected"});
    auto provision = start({"provision", "fleet.ini", "--identities", "ids.csv"});
    QByteArray waitErrors;
    QByteArray provisionErrors;
    EXPECT_TRUE(says(*wait, inUse + "; waiting\n", waitErrors)) << waitErrors.data();
    EXPECT_TRUE(says(*provision, inUse + "; waiting\n", provisionErrors)) << provisionErrors.data();
    EXPECT_EQ(wait->state(), QProcess::Running);
    EXPECT_EQ(provision->state(), QProcess::Running);
    // Only the holder has called the camera.
    EXPECT_EQ(contentOf("journal.txt").count("Init_Device"), 1) << contentOf("journal.txt").data();

    holder->kill();
    finish(*holder);
    EXPECT_EQ(finish(*wait).status, 0);
    const auto provisioned = finish(*provision);
    EXPECT_EQ(provisioned.status, 0) << provisionErrors.data() << provisioned.errors.data();
    EXPECT_EQ(provisioned.output, "SN23110804571 B000001 200001 ok\n");
    const auto after = run({"get", "network.ssid", "network.server_port", "recording.gps"});
    EXPECT_EQ(after.status, 0) << after.errors.data();
    EXPECT_EQ(after.output, "Held\n7661\noff\n");
}

// Two programs setting one camera over and over, one its SSID, the other its server port: each
// run waits its turn, and none writes back a value the other had replaced, which the change log
// would show as a change it never logged.
TEST_F(CameraHoldTest, TwoProgramsSettingAtOnceNeverUndoEachOther) {
    const QString loop =
        "for i in 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20; do "
        "\"$0\" set -q \"$1$i\" || exit 1; done";
    auto ssids = start({"network.ssid=S"}, loop);
    auto ports = start({"network.server_port=70"}, loop);
    const auto ssidsDone = finish(*ssids);
    const auto portsDone = finish(*ports);
    EXPECT_EQ(ssidsDone.status, 0) << ssidsDone.errors.data();
    EXPECT_EQ(portsDone.status, 0) << portsDone.errors.data();

    // Each setting's written values in the log's order, each from the value before it.
    std::map<std::string, std::string> current{{"ssid", "FieldOffice"}, {"server_port", "7661"}};
    const QRegularExpression written(
        R"re("setting":"(\w+)","old":"(\w*)","new":"(\w*)","outcome":"written")re");
    auto entries = written.globalMatch(QString::fromUtf8(contentOf("changes.log")));
    int count = 0;
    while (entries.hasNext()) {
        const auto entry = entries.next();
        auto& value = current[entry.captured(1).toStdString()];
        EXPECT_EQ(entry.captured(2).toStdString(), value) << entry.captured(0).toStdString();
        value = entry.captured(3).toStdString();
        ++count;
    }
    EXPECT_EQ(count, 40);
    const auto after = run({"get", "network.ssid", "network.server_port"});
    EXPECT_EQ(after.output, "S20\n7020\n");
}

}  // namespace
