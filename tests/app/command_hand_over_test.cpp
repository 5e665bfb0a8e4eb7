// qumat_pro hands a command to the qumat beside it: the same bytes, the same exit status, and a
// clear refusal when there is no qumat to run.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

class CommandHandOverTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(directory_.isValid()); }

    // Runs the program to its end on a camera of its own whose state starts as `state`, with no
    // display, `input` on its standard input.
    Outcome run(const QString& program, const QStringList& arguments, const QByteArray& state,
                const QByteArray& input, const QString& libraryFolder = {}) const {
        const QString camera = directory_.filePath(QFileInfo(program).fileName() + ".ini");
        QFile file(camera);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(state);
        file.close();
        auto environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment.remove(variable);
        }
        environment.insert("K47_CAMERA_STATE", camera);
        environment.insert("QUMAT_PASSWORD", "000000");
        environment.insert("QUMAT_CHANGE_LOG", "off");
        if (!libraryFolder.isEmpty()) {
            environment.insert("LD_LIBRARY_PATH", libraryFolder);
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory_.path());
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QTemporaryDir directory_;
};

TEST_F(CommandHandOverTest, AnswersAsQumatDoes) {
    const QString qumat = QFileInfo(QStringLiteral(QUMAT_BINARY)).dir().filePath("qumat");
    const struct {
        QStringList arguments;
        QByteArray state;
        QByteArray input;
        int exitCode;
    } cases[] = {
        {{"show"}, "", "", 0},
        {{"--model", "stc", "show", "--json"}, "[Camera]\nModel=stc\n", "", 0},
        {{"import", "/dev/stdin", "--dry-run"}, "", "[network]\nssid = Depot\n", 0},
        {{"set"}, "", "", 2},
        {{"show"}, "[Faults]\nFail=GetZFYInfo\n", "", 1},
    };
    // qumat run directly under qumat_pro's name, as the hand-over runs it.
    const QStringList asQumatPro{"-c", "exec -a \"$0\" '" + qumat + "' \"$@\"",
                                 QStringLiteral(QUMAT_BINARY)};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.arguments.join(' ').toStdString());
        const Outcome direct =
            run("/bin/bash", asQumatPro + each.arguments, each.state, each.input);
        const Outcome handed =
            run(QStringLiteral(QUMAT_BINARY), each.arguments, each.state, each.input);
        EXPECT_EQ(direct.exitCode, each.exitCode) << direct.errors.data();
        EXPECT_EQ(handed.exitCode, direct.exitCode);
        EXPECT_EQ(handed.output, direct.output);
        EXPECT_EQ(handed.errors, direct.errors);
    }
}

TEST_F(CommandHandOverTest, SaysWhenQumatCannotBeRun) {
    const QString alone = directory_.filePath("qumat_pro");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUMAT_BINARY), alone));
    // Away from its run path, the program finds the camera library through the library path.
    const Outcome outcome =
        run(alone, {"show"}, "", "", QFileInfo(QStringLiteral(K47_LIBRARY_PATH)).path());
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.errors, "qumat_pro: cannot run " + QFileInfo(alone).canonicalPath().toUtf8() +
                                  "/qumat: No such file or directory\n");
    EXPECT_TRUE(outcome.output.isEmpty());
}

}  // namespace
