// provision over a line of emulated cameras plugged in turn, the read-back of set, and wait.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <set>

#include "cli_fixture.h"
#include "file_lock.h"
#include "utf8.h"
#include "who_and_when.h"

namespace {

using cli_testing::CliCamera;
using Arguments = std::vector<std::string>;

constexpr std::string_view kProfile = "[network]\nssid = Depot\n[recording]\ngps = off\n";
constexpr std::string_view kReportHeader =
    "time,serial_number,device_id,officer_id,result,differing,identity,workstation\r\n";

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

void write(const std::filesystem::path& file, std::string_view text) {
    std::ofstream(file, std::ios::binary) << text;
}

k47::CameraState cameraOf(const std::string& serialNumber, const std::string& deviceId = "A123456",
                          const std::string& ignored = {}) {
    auto state = k47::factorySettings();
    state.serialNumber = serialNumber;
    state.deviceId = deviceId;
    if (!ignored.empty()) {
        state.faults.ignored = {k47::functionNamed(ignored).value()};
    }
    return state;
}

// A bench where cameras are plugged in one after another. The tool asks Init_Device three times
// a camera: to see it come, to log in, and to see it go; the first plugs the next camera in, the
// third unplugs the one provisioned. Ctrl-C when no camera is left, or while camera number
// `interruptDuring` logs in.
class CameraLine final : public camera::ObservedCameraLibrary::Observer {
  public:
    CameraLine(CliCamera& bench, std::vector<k47::CameraState> cameras,
               std::size_t interruptDuring = 0)
        : bench_(bench), waiting_(std::move(cameras)), interruptDuring_(interruptDuring) {
        auto unplugged = bench_.state();
        unplugged.attached = false;
        bench_.setState(unplugged);
    }

    void before(std::string_view function) override {
        if (function != "Init_Device") {
            return;
        }
        ++calls_;
        if (calls_ % 3 == 0) {
            unplug();
        } else if (calls_ % 3 == 2 && next_ == interruptDuring_) {
            std::raise(SIGINT);
        } else if (calls_ % 3 == 1) {
            if (next_ == waiting_.size()) {
                std::raise(SIGINT);
            } else {
                bench_.setState(waiting_[next_++]);
            }
        }
    }
    void after(std::string_view, const int32_t*) override {}

    // What the camera at the bench holds: it stays plugged in when the run ends with it.
    void unplug() {
        auto state = bench_.state();
        if (state.attached) {
            provisioned.push_back(state);
            state.attached = false;
            bench_.setState(state);
        }
    }

    std::vector<k47::CameraState> provisioned;

  private:
    CliCamera& bench_;
    std::vector<k47::CameraState> waiting_;
    std::size_t interruptDuring_;
    std::size_t next_ = 0;
    unsigned calls_ = 0;
};

struct Bench {
    CliCamera camera;
    std::filesystem::path profile = camera.file("fleet.ini");
    std::filesystem::path identities = camera.file("identities.csv");
    std::filesystem::path report = camera.file("report.csv");

    explicit Bench(std::string_view identityRows) {
        // A test run as a background job inherits Ctrl-C ignored, which provision keeps so.
        std::signal(SIGINT, SIG_DFL);
        write(profile, kProfile);
        write(identities, identityRows);
    }

    cli_testing::Outcome provision(std::vector<k47::CameraState> cameras,
                                   std::size_t interruptDuring = 0) {
        CameraLine bench(camera, std::move(cameras), interruptDuring);
        camera.observe(bench);
        auto outcome = camera.run({"provision", profile.string(), "--identities",
                                   identities.string(), "--report", report.string()});
        bench.unplug();
        provisioned = bench.provisioned;
        return outcome;
    }

    std::vector<k47::CameraState> provisioned;
};

// Report rows without their time, which is the clock's, and their workstation, this computer.
std::vector<std::string> reportRows(const std::filesystem::path& report) {
    const std::string workstation = "," + platform::hostName() + "\r";
    std::vector<std::string> rows;
    std::istringstream lines(contentOf(report));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        if (line.ends_with(workstation)) {
            line.resize(line.size() - workstation.size());
        }
        rows.push_back(line.substr(line.find(',') + 1));
    }
    return rows;
}

TEST(CliProvisionTest, ALineOfCamerasTakesTheProfileAndOneIdentityEach) {
    const struct {
        std::string rows;
        std::vector<k47::CameraState> cameras;
        std::string output;
        int status;
    } cases[] = {
        // By order; a device ID of another length waits for a camera whose fits.
        {"identity.device_id,identity.officer_id\r\nB00001,200001\r\nB000002,200002\r\n"
         "\"B000003\",\"200,3\"\r\n",
         {cameraOf("SN1"), cameraOf("SN2", "A12345"), cameraOf("SN3")},
         "SN1 B000002 200002 ok\nSN2 B00001 200001 ok\nSN3 B000003 200,3 ok\n",
         0},
        // By serial number, in any order; a row that cannot fit its camera fails it alone.
        {"\xEF\xBB\xBFidentity.serial_number,identity.officer_id,identity.device_id\n"
         "SN3,300003,C000003\nSN1,300001,C000001\nSN2,300002,C000002\n",
         {cameraOf("SN1"), cameraOf("SN2", "A12345"), cameraOf("SN3")},
         "SN1 C000001 300001 ok\nSN2 A12345 100234 failed: line 4: identity.device_id: must have 6 "
         "characters, the length of the camera's device ID\nSN3 C000003 300003 ok\n",
         1},
        // A camera that does not take the network record differs, and the next one still goes.
        {"identity.device_id,identity.officer_id\nB000001,200001\nB000002,200002\n"
         "B000003,200003\n",
         {cameraOf("SN1"), cameraOf("SN2", "A123456", "Qumat_SetNetConfig"), cameraOf("SN3")},
         "SN1 B000001 200001 ok\nSN2 B000002 200002 differs: network.ssid\n"
         "SN3 B000003 200003 ok\n",
         1},
    };
    for (const auto& [rows, cameras, output, status] : cases) {
        Bench bench(rows);
        const auto outcome = bench.provision(cameras);
        EXPECT_EQ(outcome.status, status) << outcome.errors;
        EXPECT_EQ(outcome.output, output);
        ASSERT_EQ(bench.provisioned.size(), 3U) << rows;
        std::istringstream lines(output);
        std::string line;
        for (const auto& camera : bench.provisioned) {
            std::getline(lines, line);
            if (line.find(" ok") != std::string::npos) {
                EXPECT_EQ(line, camera.serialNumber + " " + camera.deviceId + " " +
                                    camera.officerId + " ok");
                EXPECT_EQ(camera.ssid, "Depot");
            }
        }
        // A claim before each identity written, then a row per camera.
        EXPECT_EQ(std::ranges::count_if(
                      reportRows(bench.report),
                      [](const std::string& row) { return !row.ends_with(",claimed"); }),
                  3);
    }
}

TEST(CliProvisionTest, TheChangeLogAndTheReportRecordACameraThatDiffers) {
    Bench bench("identity.device_id,identity.officer_id\nB000001,200001\n");
    bench.provision({cameraOf("SN1", "A123456", "Qumat_SetNetConfig")});
    EXPECT_EQ(reportRows(bench.report),
              (std::vector<std::string>{"SN1,B000001,200001,,,claimed",
                                        "SN1,B000001,200001,differs,network.ssid,given"}));
    const auto log = bench.camera.run({"log"});
    EXPECT_NE(log.output.find("ssid: FieldOffice -> Depot  differs (the camera holds FieldOffice)"),
              std::string::npos)
        << log.output;
    EXPECT_NE(log.output.find("officer_id: 100234 -> 200001  written"), std::string::npos);
}

TEST(CliProvisionTest, ARunStoppedAndStartedAgainWithTheSameReportGivesEachIdentityOnce) {
    Bench bench(
        "identity.device_id,identity.officer_id\nB000001,200001\nB000002,200002\n"
        "B000003,200003\n");
    // Ctrl-C while the first camera is provisioned: it is finished, and the run ends.
    auto first = bench.provision({cameraOf("SN1"), cameraOf("SN2")}, 1);
    EXPECT_EQ(first.status, 0) << first.errors;
    EXPECT_EQ(first.output, "SN1 B000001 200001 ok\n");
    // A row that a power loss cut short.
    std::ofstream(bench.report, std::ios::binary | std::ios::app) << "2026-12-08T10:00:00Z,SN9,B0";
    const auto second = bench.provision({cameraOf("SN2"), cameraOf("SN3")});
    EXPECT_EQ(second.status, 0) << second.errors;
    EXPECT_EQ(second.output, "SN2 B000002 200002 ok\nSN3 B000003 200003 ok\n");
    const auto report = contentOf(bench.report);
    EXPECT_TRUE(report.starts_with(kReportHeader)) << report;
    EXPECT_EQ(reportRows(bench.report),
              (std::vector<std::string>{
                  "SN1,B000001,200001,,,claimed", "SN1,B000001,200001,ok,,given", "SN9,B0\r",
                  "SN2,B000002,200002,,,claimed", "SN2,B000002,200002,ok,,given",
                  "SN3,B000003,200003,,,claimed", "SN3,B000003,200003,ok,,given"}));
}

TEST(CliProvisionTest, AnIdentityTheCameraDoesNotTakeGoesToTheNextCamera) {
    const struct {
        std::set<k47::Function> k47::Faults::*fault;
        std::string line;
        std::string row;
    } cases[] = {
        {&k47::Faults::failing,
         "SN1 B000001 200001 failed: identity: not written: WriteZFYInfo failed",
         "SN1,B000001,200001,failed: identity: not written: WriteZFYInfo failed,,released"},
        // It says it took the write and keeps nothing.
        {&k47::Faults::ignored,
         "SN1 B000001 200001 differs: identity.device_id, identity.officer_id",
         "SN1,B000001,200001,differs,identity.device_id identity.officer_id,released"},
    };
    for (const auto& [fault, line, row] : cases) {
        Bench bench("identity.device_id,identity.officer_id\nB000001,200001\nB000002,200002\n");
        auto refusing = cameraOf("SN1");
        (refusing.faults.*fault).insert(k47::Function::WriteZFYInfo);
        const auto outcome = bench.provision({refusing, cameraOf("SN2")});
        EXPECT_EQ(outcome.output, line + " (identity released: the camera does not hold it)\n" +
                                      "SN2 B000001 200001 ok\n");
        ASSERT_EQ(bench.provisioned.size(), 2U);
        EXPECT_EQ(bench.provisioned[0].deviceId, "A123456");
        EXPECT_EQ(bench.provisioned[1].deviceId, "B000001");
        EXPECT_EQ(reportRows(bench.report)[1], row);
        EXPECT_EQ(bench.camera
                      .run({"provision", "--status", "--report", bench.report.string(),
                            "--identities", bench.identities.string()})
                      .output,
                  "given: 1\nin doubt: 0\nfailed: 1\nleft: 1\n");
    }
}

// A run killed between a claim and its camera's read-back leaves the claim: its identity goes to
// no other camera, and its camera, attached again, keeps it, written again if it does not hold it.
TEST(CliProvisionTest, AClaimInDoubtStaysWithItsCameraUntilReadAgainOrReleased) {
    Bench bench(
        "identity.device_id,identity.officer_id\nB000001,200001\nB000002,200002\n"
        "B000003,200003\nB000004,200004\nB000005,200005\n");
    write(bench.report, std::string(kReportHeader) +
                            "2026-12-08T10:00:00Z,SN1,B000001,200001,,,claimed,bench-2\r\n"
                            "2026-12-08T10:01:00Z,SN3,B000003,200003,,,claimed,bench-2\r\n"
                            "2026-12-08T10:02:00Z,SN7,B000004,200004,,,claimed,bench-2\r\n");
    const Arguments status{"provision",           "--status",     "--report",
                           bench.report.string(), "--identities", bench.identities.string()};
    EXPECT_EQ(bench.camera.run(status).output,
              "given: 0\nin doubt: 3\n"
              "  SN1 B000001 200001 claimed 2026-12-08T10:00:00Z on bench-2\n"
              "  SN3 B000003 200003 claimed 2026-12-08T10:01:00Z on bench-2\n"
              "  SN7 B000004 200004 claimed 2026-12-08T10:02:00Z on bench-2\n"
              "failed: 0\nleft: 2\n");
    // SN1 was killed before its write, SN3 after it.
    auto written = cameraOf("SN3", "B000003");
    written.officerId = "200003";
    const auto outcome = bench.provision({cameraOf("SN2"), cameraOf("SN1"), written});
    EXPECT_EQ(outcome.output,
              "SN2 B000002 200002 ok\nSN1 B000001 200001 ok\nSN3 B000003 200003 ok\n");
    EXPECT_EQ(reportRows(bench.report).size(), 7U);
    const auto release = [&](const std::string& camera) {
        return bench.camera.run(
            {"provision", "--release", camera, "--report", bench.report.string()});
    };
    EXPECT_EQ(release("SN7").output,
              "released SN7 B000004 200004 claimed 2026-12-08T10:02:00Z on bench-2\n");
    EXPECT_NE(bench.camera.run({"log"}).output.find(
                  "B000004  identity_claim: in doubt -> released  written"),
              std::string::npos);
    const std::pair<std::string, std::string> refusals[] = {
        {"SN7", "no identity is in doubt with SN7"},
        {"SN2", "SN2 holds B000002, given: only an identity in doubt is released"},
    };
    for (const auto& [camera, error] : refusals) {
        const auto refused = release(camera);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.errors, "qumat_pro: " + error + "\n");
    }
    EXPECT_EQ(bench.camera.run(status).output, "given: 3\nin doubt: 0\nfailed: 0\nleft: 2\n");
}

// Cells a spreadsheet would run, or whose marks would reorder what it shows, are written inert,
// and a run started again reads them back as they were.
TEST(CliProvisionTest, TheReportHoldsNoFormulaOrRawMarkAndReadsBackWhatItWrote) {
    const struct {
        const char* codePage;
        std::string serialNumber;
        std::string printed;
    } cases[] = {
        // A left-to-right mark and an escape after a formula.
        {"1255", "=HYPERLINK(1)\xFD\x1B", R"("=HYPERLINK(1)\xE2\x80\x8E\x1B")"},
        // A lead byte without its second byte, which the camera's text keeps as it came.
        {"932", "=SN\x93", R"("=SN\x93")"},
    };
    for (const auto& [codePage, serialNumber, printed] : cases) {
        testing_support::setEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", codePage);
        Bench bench("identity.device_id,identity.officer_id\n+1+2+34,=1+2\n-000002,@2\n");
        const auto marked = cameraOf(serialNumber);
        EXPECT_EQ(bench.provision({marked}).output, printed + " +1+2+34 =1+2 ok\n");
        const auto report = contentOf(bench.report);
        std::string cell;
        for (const char c : printed) {
            cell += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        EXPECT_NE(report.find(",\"" + cell + "\",'+1+2+34,'=1+2,ok,,given,"), std::string::npos)
            << report;
        EXPECT_TRUE(platform::fromUtf8(report)) << codePage;
        EXPECT_EQ(report.find("\xE2\x80\x8E"), std::string::npos);
        EXPECT_EQ(report.find('\x1B'), std::string::npos);
        EXPECT_EQ(bench.provision({marked, cameraOf("SN2")}).output,
                  printed + " +1+2+34 =1+2 ok\nSN2 -000002 @2 ok\n");
        EXPECT_NE(contentOf(bench.report).find(",'-000002,'@2,ok,,given,"), std::string::npos);
    }
    testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", nullptr);
}

TEST(CliProvisionTest, AReportAnotherRunHoldsIsRefusedBeforeAnyCameraCall) {
    Bench bench("identity.device_id,identity.officer_id\nB000001,200001\n");
    platform::FileLock otherRun;
    ASSERT_FALSE(otherRun.take(bench.report.string() + ".lock"));
    for (const Arguments& arguments :
         {Arguments{"provision", bench.profile.string(), "--identities", bench.identities.string(),
                    "--report", bench.report.string()},
          Arguments{"provision", "--release", "SN1", "--report", bench.report.string()}}) {
        const auto outcome = bench.camera.run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_NE(outcome.errors.find(
                      "another run of provision is using it; one run at a time uses a report"),
                  std::string::npos)
            << outcome.errors;
    }
    EXPECT_TRUE(bench.camera.journal().empty());
}

// A report of six columns, from before identities were claimed, still gives none of its identities:
// its rows are kept under the present header.
TEST(CliProvisionTest, AReportOfSixColumnsIsReadAndGoesOnUnderThePresentHeader) {
    Bench bench("identity.device_id,identity.officer_id\nB000001,200001\nB000002,200002\n");
    write(bench.report,
          "time,serial_number,device_id,officer_id,result,differing\r\n"
          "2026-12-08T10:00:00Z,SN1,B000001,200001,\"failed: identity: not written\",\r\n");
    EXPECT_EQ(bench.provision({cameraOf("SN2")}).output, "SN2 B000002 200002 ok\n");
    EXPECT_TRUE(contentOf(bench.report).starts_with(kReportHeader));
    EXPECT_EQ(reportRows(bench.report).front(),
              "SN1,B000001,200001,failed: identity: not written,,given,\r");
}

TEST(CliProvisionTest, CtrlCBetweenCamerasEndsTheRunWithTheCamerasDone) {
    Bench bench("identity.device_id,identity.officer_id\nB000001,200001\nB000002,200002\n");
    const auto outcome = bench.provision({cameraOf("SN1")});
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(outcome.output, "SN1 B000001 200001 ok\n");
}

TEST(CliProvisionTest, BadInputIsRefusedBeforeAnyCameraCall) {
    const std::string header = "identity.device_id,identity.officer_id\n";
    const struct {
        std::string rows;
        Arguments extra;
        std::string error;
    } cases[] = {
        {"identity.device_id,officer\nB1,2\n",
         {},
         "line 1: unknown column 'officer'; the columns are identity.device_id, "
         "identity.officer_id and identity.serial_number"},
        {"identity.device_id,identity.device_id,identity.officer_id\n",
         {},
         "line 1: column identity.device_id given twice"},
        {header + "B000001,200001\nB000001,200002\n",
         {},
         "line 3: identity.device_id B000001 is also on line 2"},
        {header + "B000001,200001\nB000002,200001\n",
         {},
         "line 3: identity.officer_id 200001 is also on line 2"},
        {header + "B000001,2000011\n",
         {},
         "line 2: identity.officer_id has 7 characters, more "
         "than 6"},
        {header + "B000001,\xE6\xBC\xA2\n",
         {},
         "line 2: identity.officer_id has characters that code page 1252 lacks"},
        {header + "B00" + std::string(1, '\0') + "001,200001\n",
         {},
         "line 2: identity.device_id holds a NUL byte"},
        {header + "B000001,\"2000\n01\"\n",
         {},
         "line 2: identity.officer_id holds the control character U+000A"},
        {header + "B000001\n", {}, "line 2: has 1 fields, the header 2"},
        {header + "\"B000001,200001\n", {}, "line 2: a quote is never closed"},
        {header, {}, "holds no identities"},
        {header + "B000001,200001\n", {"--report", "."}, "cannot use the report"},
    };
    testing_support::setEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", "1252");
    for (const auto& [rows, extra, error] : cases) {
        Bench bench(rows);
        Arguments arguments{"provision", bench.profile.string(), "--identities",
                            bench.identities.string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const auto outcome = bench.camera.run(arguments);
        EXPECT_EQ(outcome.status, 2) << rows;
        EXPECT_NE(outcome.errors.find(error), std::string::npos) << outcome.errors;
        EXPECT_TRUE(bench.camera.journal().empty()) << rows;
    }
    // Rows appended after a row cut inside its quotes would be read as part of it.
    Bench torn(header + "B000001,200001\n");
    write(torn.report,
          std::string(kReportHeader) + "2026-12-08T18:01:28Z,SNX,C000001,300001,\"failed: li");
    const auto outcome =
        torn.camera.run({"provision", torn.profile.string(), "--identities",
                         torn.identities.string(), "--report", torn.report.string()});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.errors.find("a quote is never closed"), std::string::npos) << outcome.errors;
    EXPECT_TRUE(torn.camera.journal().empty());
    // A file named by mistake is said to be no report, not a report with a cut row.
    write(torn.report, "\"notes, never closed\n");
    EXPECT_NE(torn.camera
                  .run({"provision", torn.profile.string(), "--identities",
                        torn.identities.string(), "--report", torn.report.string()})
                  .errors.find("it is not a provisioning report"),
              std::string::npos);
}

// Without identities each camera keeps its own: the profile's identity lines would give the whole
// batch one device ID.
TEST(CliProvisionTest, AProfilesIdentityLinesGoToNoCamera) {
    Bench bench("");
    write(bench.profile, std::string(kProfile) + "[identity]\ndevice_id = Z999999\n");
    CameraLine line(bench.camera, {cameraOf("SN1")});
    bench.camera.observe(line);
    const auto outcome = bench.camera.run({"provision", bench.profile.string()});
    line.unplug();
    EXPECT_EQ(outcome.output, "SN1 A123456 100234 ok\n") << outcome.errors;
    ASSERT_EQ(line.provisioned.size(), 1u);
    EXPECT_EQ(line.provisioned[0].deviceId, "A123456");
    EXPECT_EQ(line.provisioned[0].ssid, "Depot");
}

TEST(CliReadBackTest, AValueTheCameraDoesNotHoldAfterTheWriteIsNamedWithStatus1) {
    const struct {
        std::string ignored;
        Arguments arguments;
        std::string error;
    } cases[] = {
        {"Qumat_SetNetConfig",
         {"network.ssid=Depot"},
         "network.ssid: wrote Depot, camera holds FieldOffice"},
        {"Qumat_SetNetConfig",
         {"network.ssid="},
         "network.ssid: wrote \"\", camera holds FieldOffice"},
        {"WriteZFYInfo",
         {"identity.officer_id=7", "recording.gps=off"},
         "identity.officer_id: wrote 7, camera holds 100234"},
        {"Qumat_SetNetConfig",
         {"network.wifi_password=x1234567"},
         "network.wifi_password: the camera does not hold the value written (a secret: "
         "--show-secrets prints it)"},
        {"Qumat_SetMenuConfig",
         {"recording.gps=off", "network.apn=web"},
         "recording.gps: wrote off, camera holds on"},
    };
    for (const auto& [ignored, arguments, error] : cases) {
        CliCamera camera(k47::Model::common, [&](k47::CameraState& state) {
            state.faults.ignored = {k47::functionNamed(ignored).value()};
        });
        Arguments command{"set"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const auto outcome = camera.run(command);
        EXPECT_EQ(outcome.status, 1) << error;
        EXPECT_EQ(outcome.errors, "qumat_pro: " + error + "\n");
        EXPECT_NE(camera.run({"log"}).output.find("differs (the camera holds"), std::string::npos)
            << error;
    }
}

TEST(CliWaitTest, WaitEndsWhenTheStateIsReachedOrAtItsTimeOut) {
    const struct {
        bool attached;
        Arguments arguments;
        int status;
    } cases[] = {
        {true, {"--connected"}, 0},
        {false, {"--disconnected", "--timeout", "0"}, 0},
        {false, {"--connected", "--timeout", "1"}, 1},
        {true, {"--disconnected", "--timeout", "0"}, 1},
    };
    for (const auto& [attached, arguments, status] : cases) {
        CliCamera camera(k47::Model::common,
                         [&](k47::CameraState& state) { state.attached = attached; });
        Arguments command{"wait"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(camera.run(command).status, status) << arguments[0];
        if (arguments.size() == 3 && arguments[2] == "1") {
            EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        }
    }
}

}  // namespace
