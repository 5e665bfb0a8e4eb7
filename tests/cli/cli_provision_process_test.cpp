// provision as the built program at a bench: runs killed at random moments, then every camera once
// more, and two runs started at once over one report.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "state_file.h"
#include "temporary_directory.h"

namespace {

using namespace std::chrono_literals;

constexpr int kCameras = 12;
constexpr int kIdentities = 14;

// qumat provision started on one camera's state file, its output read through a pipe.
class ProvisionRun {
  public:
    ProvisionRun(const std::filesystem::path& folder, const std::filesystem::path& camera) {
        int output[2];
        if (::pipe(output) != 0) {
            return;
        }
        const std::string state = "K47_CAMERA_STATE=" + camera.string();
        const std::string log = "QUMAT_CHANGE_LOG=" + (folder / "changes.log").string();
        const std::string profile = (folder / "fleet.ini").string();
        const std::string identities = (folder / "identities.csv").string();
        const std::string report = (folder / "report.csv").string();
        const std::string home = "HOME=" + (folder / "home").string();
        const std::string stateHome = "XDG_STATE_HOME=" + (folder / "home" / "state").string();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            // A refusal is what the test reads from the exit status.
            ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
            ::close(output[0]);
            const char* arguments[] = {QUMAT_COMMAND_LINE_BINARY,
                                       "--quiet",
                                       "provision",
                                       profile.c_str(),
                                       "--identities",
                                       identities.c_str(),
                                       "--report",
                                       report.c_str(),
                                       nullptr};
            // The test's own home and state folder: the camera's lock is kept there.
            const char* environment[] = {state.c_str(),
                                         log.c_str(),
                                         "QUMAT_PASSWORD=000000",
                                         "QUMAT_SYSTEM_LOG=off",
                                         home.c_str(),
                                         stateHome.c_str(),
                                         nullptr};
            ::execve(arguments[0], const_cast<char**>(arguments), const_cast<char**>(environment));
            ::_exit(127);
        }
        ::close(output[1]);
        output_ = output[0];
    }
    ~ProvisionRun() {
        stop();
        if (output_ >= 0) {
            ::close(output_);
        }
    }
    ProvisionRun(const ProvisionRun&) = delete;
    ProvisionRun& operator=(const ProvisionRun&) = delete;

    // Its first line of output, or nothing when it ends or `patience` passes without one.
    std::string firstLine(std::chrono::milliseconds patience) {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + patience;
        ::fcntl(output_, F_SETFL, O_NONBLOCK);
        while (!line.ends_with('\n') && std::chrono::steady_clock::now() < deadline) {
            char byte = 0;
            const auto read = ::read(output_, &byte, 1);
            if (read == 1) {
                line += byte;
            } else if (read == 0) {
                break;
            } else {
                std::this_thread::sleep_for(1ms);
            }
        }
        return line;
    }

    // Ends it with SIGKILL when it has not ended: its exit status, or -1 when killed.
    int stop() {
        if (pid_ <= 0) {
            return -1;
        }
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Its exit status once it ends by itself within `patience`; -1 otherwise.
    int exitStatus(std::chrono::milliseconds patience) {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                return -1;
            }
            std::this_thread::sleep_for(1ms);
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int output_ = -1;
};

struct Bench {
    testing_support::TemporaryDirectory folder;
    std::map<std::string, std::string> officerOf;

    Bench() {
        std::ofstream(folder / "fleet.ini") << "[network]\nssid = Depot\n";
        std::ofstream identities(folder / "identities.csv");
        identities << "identity.device_id,identity.officer_id\n";
        for (int row = 10; row < 10 + kIdentities; ++row) {
            const std::string number = std::to_string(row);
            officerOf["B0000" + number] = "2000" + number;
            identities << "B0000" << number << ",2000" << number << '\n';
        }
        for (int at = 0; at < kCameras; ++at) {
            auto state = k47::factorySettings();
            state.serialNumber = "SN" + std::to_string(at);
            k47::StateFile(camera(at)).save(state);
        }
    }

    std::filesystem::path camera(int at) const {
        return folder / ("camera" + std::to_string(at) + ".ini");
    }
    // The device IDs of the list that two cameras hold.
    std::set<std::string> heldTwice() const {
        std::set<std::string> held;
        std::set<std::string> twice;
        for (int at = 0; at < kCameras; ++at) {
            const auto deviceId = k47::StateFile(camera(at)).load().value().deviceId;
            if (officerOf.contains(deviceId) && !held.insert(deviceId).second) {
                twice.insert(deviceId);
            }
        }
        return twice;
    }
    std::string report() const {
        std::ifstream stream(folder / "report.csv", std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), {}};
    }
};

// A run killed at any moment leaves its camera's identity claimed: no identity is ever given to
// two cameras, and once every camera has been through one whole run each holds its own.
TEST(CliProvisionProcessTest, RunsKilledAtRandomGiveNoIdentityTwice) {
    constexpr int kKilledRuns = 80;
    Bench bench;
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> camera(0, kCameras - 1);
    // A run reaches its camera's line in about 20 ms.
    std::uniform_int_distribution<int> microseconds(0, 30000);
    int claimsLeft = 0;
    for (int run = 0; run < kKilledRuns; ++run) {
        {
            ProvisionRun killed(bench.folder.path(), bench.camera(camera(random)));
            std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        }
        const auto report = bench.report();
        const auto lastRow = report.rfind('\n', report.size() - 2);
        claimsLeft += report.find(",claimed,", lastRow) != std::string::npos ? 1 : 0;
        ASSERT_EQ(bench.heldTwice(), std::set<std::string>()) << "after run " << run;
    }
    std::cout << kKilledRuns << " runs killed, " << claimsLeft
              << " between a claim and its camera's outcome\n";

    for (int at = 0; at < kCameras; ++at) {
        ProvisionRun whole(bench.folder.path(), bench.camera(at));
        const auto line = whole.firstLine(10s);
        EXPECT_TRUE(line.starts_with("SN" + std::to_string(at) + " B0000") &&
                    line.ends_with(" ok\n"))
            << line;
    }
    EXPECT_EQ(bench.heldTwice(), std::set<std::string>());
    for (int at = 0; at < kCameras; ++at) {
        const auto state = k47::StateFile(bench.camera(at)).load().value();
        EXPECT_TRUE(bench.officerOf.contains(state.deviceId)) << state.deviceId;
        EXPECT_EQ(state.officerId, bench.officerOf[state.deviceId]);
    }
}

// The second of two runs over one report is refused while the first holds it, and touches no
// camera.
TEST(CliProvisionProcessTest, TwoRunsAtOnceOverOneReportGiveNoIdentityTwice) {
    for (int round = 0; round < 5; ++round) {
        Bench bench;
        ProvisionRun runs[] = {{bench.folder.path(), bench.camera(0)},
                               {bench.folder.path(), bench.camera(1)}};
        const std::string lines[] = {runs[0].firstLine(10s), runs[1].firstLine(10s)};
        // One run gives its camera an identity and waits for it to go; the other ends refused.
        const int refused = lines[0].empty() ? 0 : 1;
        EXPECT_EQ(runs[refused].exitStatus(5s), 2);
        EXPECT_EQ(lines[refused], "");
        EXPECT_TRUE(lines[1 - refused].ends_with(" B000010 200010 ok\n")) << lines[1 - refused];
        EXPECT_EQ(k47::StateFile(bench.camera(refused)).load()->deviceId, "A123456");
    }
}

}  // namespace
