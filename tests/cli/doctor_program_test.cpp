// The built programs against the camera library in their way: qumat, away from its run path,
// loads what a folder on LD_LIBRARY_PATH holds; doctor names the file and what is wrong with it,
// and a command that needs the camera refuses with the same words.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace {

#if defined(__x86_64__)
constexpr char kArchitecture[] = "64-bit (x86-64)";
// EM_AARCH64, little-endian, as an ELF header holds its machine.
constexpr char kOtherMachine[] = "\xB7\x00";
#elif defined(__aarch64__)
constexpr char kArchitecture[] = "64-bit (ARM64)";
constexpr char kOtherMachine[] = "\x3E\x00";
#endif

constexpr char kNeeded[] = " libk47_4g_pc.so in its library folder or on LD_LIBRARY_PATH";

struct Outcome {
    int exitCode = -1;
    QString output;
    QString errors;
};

QString builtProgram(const char* name) {
    return QFileInfo(QStringLiteral(QUMAT_BINARY)).dir().filePath(QString::fromUtf8(name));
}

// The line of a check in doctor's output; empty when there is none.
QString lineOf(const QString& output, const QString& title) {
    for (const auto& line : output.split('\n')) {
        if (line.mid(8).startsWith(title + ": ")) {
            return line;
        }
    }
    return {};
}

class DoctorProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        ASSERT_TRUE(QDir(scratch_.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(scratch_.path()).mkpath("lib"));
        ASSERT_TRUE(QFile::copy(builtProgram("qumat"), scratch_.filePath("bin/qumat")));
    }

    QString library() const { return scratch_.filePath("lib/libk47_4g_pc.so"); }

    Outcome run(const QString& program, const QStringList& arguments) const {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LD_LIBRARY_PATH", scratch_.filePath("lib"));
        environment.insert("K47_CAMERA_STATE", scratch_.filePath("camera.ini"));
        environment.insert("QUMAT_PASSWORD", "000000");
        environment.insert("QUMAT_CHANGE_LOG", "off");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(scratch_.path());
        process.start(program, arguments);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    Outcome qumat(const QStringList& arguments) const {
        return run(scratch_.filePath("bin/qumat"), arguments);
    }

    QTemporaryDir scratch_;
};

TEST_F(DoctorProgramTest, DoctorNamesTheLibraryAndWhatIsWrongWithIt) {
    const QString needed =
        QString(": this program needs the camera maker's ") + kArchitecture + kNeeded;
    const struct {
        const char* name;
        // Puts a file in the library's place, or none.
        std::function<void()> place;
        // doctor's line of the camera library, after its status.
        QString line;
    } cases[] = {
        {"no library", [] {}, ""},
        {"a text file",
         [this] {
             QFile file(library());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("notes about the camera\n");
         },
         library() + " is not a Linux library" + needed},
        {"a library of another machine",
         [this] {
             ASSERT_TRUE(QFile::copy(QStringLiteral(K47_LIBRARY_PATH), library()));
             QFile file(library());
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             ASSERT_TRUE(file.seek(18));
             file.write(kOtherMachine, 2);
         },
         library() + " is not a " + kArchitecture + " library" + needed},
        {"a library without one function",
         [this] { ASSERT_TRUE(QFile::copy(QStringLiteral(K47_INCOMPLETE_LIBRARY), library())); },
         library() + " has no function Qumat_SetDefault, so it is not the camera library" + needed},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        QFile::remove(library());
        each.place();
        const auto doctor = qumat({"doctor"});
        EXPECT_EQ(doctor.exitCode, 1);
        const auto line = lineOf(doctor.output, "camera library");
        const auto command = qumat({"get", "network.ssid"});
        EXPECT_EQ(command.exitCode, 2);
        EXPECT_TRUE(command.output.isEmpty());
        if (each.line.isEmpty()) {
            // The system's own folders follow the one named.
            const QString notFound = "the camera library was not found: no libk47_4g_pc.so in " +
                                     scratch_.filePath("lib") + ", ";
            EXPECT_TRUE(line.startsWith("FAILED  camera library: " + notFound))
                << line.toStdString();
            EXPECT_TRUE(line.endsWith("; this program needs the camera maker's " +
                                      QString(kArchitecture) + kNeeded))
                << line.toStdString();
            EXPECT_TRUE(command.errors.startsWith("qumat: " + notFound))
                << command.errors.toStdString();
        } else {
            EXPECT_EQ(line, "FAILED  camera library: " + each.line);
            EXPECT_EQ(command.errors, "qumat: " + each.line + "\n");
        }
        // What needs no camera still works.
        EXPECT_EQ(qumat({"--help"}).exitCode, 0);
    }

    QFile::remove(library());
    ASSERT_TRUE(QFile::copy(QStringLiteral(K47_LIBRARY_PATH), library()));
    EXPECT_EQ(lineOf(qumat({"doctor"}).output, "camera library"),
              "ok      camera library: " + library() + ", " + kArchitecture + ", all 21 functions");
    const auto command = qumat({"get", "network.ssid"});
    EXPECT_EQ(command.exitCode, 0) << command.errors.toStdString();
    EXPECT_EQ(command.output, "FieldOffice\n");
}

TEST_F(DoctorProgramTest, TheWindowProgramAsksQumatForItsDoctor) {
    const auto asked = run(QStringLiteral(QUMAT_BINARY), {"--doctor", "--json"});
    const auto direct = run(builtProgram("qumat"), {"doctor", "--json"});
    EXPECT_EQ(asked.exitCode, direct.exitCode);
    EXPECT_EQ(asked.output, direct.output);
    EXPECT_TRUE(asked.output.contains("\n  \"camera_library\": {\"holds\": true, "))
        << asked.output.toStdString();
    EXPECT_EQ(asked.errors, direct.errors);
}

// Without a library no window could reach a camera: the program says so before any window,
// on standard error too, and its box waits for the user.
TEST_F(DoctorProgramTest, TheWindowProgramWithoutALibrarySaysWhichFileItNeeds) {
    const QString program = scratch_.filePath("bin/qumat_pro");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUMAT_BINARY), program));
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_LIBRARY_PATH", scratch_.filePath("lib"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(scratch_.path());
    process.setReadChannel(QProcess::StandardError);
    process.start(program, {});
    // Qt may have its own warnings to give first.
    QByteArray errors;
    while (!errors.contains("libk47_4g_pc.so") && process.waitForReadyRead(30000)) {
        errors += process.readAllStandardError();
    }
    EXPECT_TRUE(
        errors.contains("qumat_pro: the camera library was not found: no libk47_4g_pc.so in "))
        << errors.data();
    EXPECT_EQ(process.state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(scratch_.filePath("Language.ini")));
    process.kill();
    process.waitForFinished();
}

}  // namespace
