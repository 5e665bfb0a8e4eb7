// provision as the built program at several benches over one shared ledger in PostgreSQL: runs at
// once, each through several cameras; runs killed at random; a camera that refuses its identity.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include "database_ledger.h"
#include "state_file.h"
#include "temporary_directory.h"
#include "test_database.h"

namespace {

using namespace std::chrono_literals;

testing_support::TestDatabase& server() {
    static testing_support::TestDatabase database(QUMAT_TEST_DATABASE_DIR "/provision");
    return database;
}

// The Windows build's qumat.exe, beside its camera library, that one bench runs under Wine when
// the Windows tests name it; nothing otherwise.
const char* windowsProgram() {
    return std::getenv("QUMAT_WINDOWS_QUMAT");
}

// A file of this system as the Windows program names it: Wine's drive Z: is the root.
std::string windowsPath(std::string path) {
    std::ranges::replace(path, '/', '\\');
    return "Z:" + path;
}

// The built qumat with the bench's camera state file, its output and errors read through one pipe;
// on Windows, the Windows build under Wine with the same ledger's connection string, unchanged.
class QumatRun {
  public:
    QumatRun(std::vector<std::string> arguments, const std::filesystem::path& camera,
             const std::filesystem::path& folder, bool windows = false) {
        int output[2];
        if (::pipe(output) != 0) {
            return;
        }
        const auto file = [&](const std::filesystem::path& path) {
            return windows ? windowsPath(path.string()) : path.string();
        };
        std::vector<std::string> environment{
            "K47_CAMERA_STATE=" + file(camera),
            "QUMAT_CHANGE_LOG=" + file(folder / (camera.stem().string() + ".log")),
            "QUMAT_PASSWORD=000000", "QUMAT_SYSTEM_LOG=off",
            "HOME=" + std::string(std::getenv("HOME"))};
        // The test's own state folder, where the camera's lock is kept.
        if (const char* stateHome = std::getenv("XDG_STATE_HOME")) {
            environment.push_back(std::string("XDG_STATE_HOME=") + stateHome);
        }
        if (windows) {
            for (auto& argument : arguments) {
                argument = argument.starts_with('/') ? windowsPath(argument) : argument;
            }
            arguments.insert(arguments.begin(), {"/usr/bin/wine", windowsProgram()});
            for (const char* name : {"WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES", "PATH"}) {
                if (const char* value = std::getenv(name)) {
                    environment.push_back(std::string(name) + "=" + value);
                }
            }
        } else {
            arguments.insert(arguments.begin(), QUMAT_COMMAND_LINE_BINARY);
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            ::dup2(output[1], STDERR_FILENO);
            ::close(output[0]);
            std::vector<char*> argv;
            for (auto& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            std::vector<char*> envp;
            for (const auto& variable : environment) {
                envp.push_back(const_cast<char*>(variable.c_str()));
            }
            envp.push_back(nullptr);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(output[1]);
        output_ = output[0];
    }
    ~QumatRun() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) {
            ::close(output_);
        }
    }
    QumatRun(const QumatRun&) = delete;
    QumatRun& operator=(const QumatRun&) = delete;

    // Its next line, or nothing once it has ended.
    std::string line() {
        std::string line;
        char byte = 0;
        while (!line.ends_with('\n') && ::read(output_, &byte, 1) == 1) {
            line += byte;
        }
        return line;
    }
    // All it says, once it has ended.
    std::string rest() {
        std::string text;
        for (auto next = line(); !next.empty(); next = line()) {
            text += next;
        }
        return text;
    }
    void signal(int number) const { ::kill(pid_, number); }
    // Its exit status, once it ends.
    int status() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int output_ = -1;
};

struct Fleet {
    testing_support::TemporaryDirectory folder;
    std::string ledger = server().freshDatabase();
    std::map<std::string, std::string> officerOf;

    explicit Fleet(int identities) {
        std::ofstream(folder / "fleet.ini") << "[network]\nssid = Depot\n";
        std::ofstream list(folder / "identities.csv");
        list << "identity.device_id,identity.officer_id\n";
        for (int row = 100; row < 100 + identities; ++row) {
            officerOf["B000" + std::to_string(row)] = "200" + std::to_string(row);
            list << "B000" << row << ",200" << row << '\n';
        }
    }

    std::vector<std::string> provision(int bench) const {
        return {"provision",    (folder / "fleet.ini").string(),
                "--identities", (folder / "identities.csv").string(),
                "--ledger",     ledger,
                "--report",     (folder / ("report" + std::to_string(bench) + ".csv")).string()};
    }
    std::filesystem::path bench(int at) const {
        return folder / ("bench" + std::to_string(at) + ".ini");
    }
    // The cameras' device IDs of the list, each with how many cameras hold it.
    std::map<std::string, int> held(const std::vector<k47::CameraState>& cameras) const {
        std::map<std::string, int> held;
        for (const auto& camera : cameras) {
            if (officerOf.contains(camera.deviceId)) {
                ++held[camera.deviceId];
                EXPECT_EQ(camera.officerId, officerOf.at(camera.deviceId));
            }
        }
        return held;
    }
};

k47::CameraState camera(const std::string& serialNumber) {
    auto state = k47::factorySettings();
    state.serialNumber = serialNumber;
    return state;
}

// Plugs the cameras into the run's bench one after another as it asks for them, unplugs each once
// provisioned, and ends the run with Ctrl-C when none is left: the cameras as they left, and the
// run's lines of cameras.
std::pair<std::vector<k47::CameraState>, std::vector<std::string>> drive(
    QumatRun& run, const std::filesystem::path& bench, std::vector<k47::CameraState> cameras) {
    std::vector<k47::CameraState> provisioned;
    std::vector<std::string> lines;
    std::size_t next = 0;
    k47::StateFile file(bench);
    for (auto line = run.line(); !line.empty(); line = run.line()) {
        if (line.find("connect a camera") != std::string::npos) {
            if (next == cameras.size()) {
                run.signal(SIGINT);
            } else {
                file.save(cameras[next++]);
            }
        } else if (line.find("disconnect the camera") != std::string::npos) {
            auto state = file.load().value();
            provisioned.push_back(state);
            state.attached = false;
            file.save(state);
        } else if (line.starts_with("SN")) {
            lines.push_back(line);
        }
    }
    // A run with no identity left ends with its last camera still plugged in.
    if (provisioned.size() < next) {
        provisioned.push_back(file.load().value());
    }
    return {provisioned, lines};
}

class DatabaseProvisionProcessTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!server().missing().empty()) {
            GTEST_SKIP() << server().missing();
        }
    }
};

// Four benches at once over one ledger, each loading the same list and provisioning five cameras:
// every identity ends on exactly one camera, and none is skipped. With the Windows build named,
// the last bench is the Windows program under Wine.
TEST_F(DatabaseProvisionProcessTest, FourBenchesAtOnceGiveEachIdentityToOneCamera) {
    constexpr int kBenches = 4;
    constexpr int kCamerasEach = 5;
    Fleet fleet(kBenches * kCamerasEach);
    std::vector<std::unique_ptr<QumatRun>> runs;
    std::vector<std::vector<k47::CameraState>> provisioned(kBenches);
    std::vector<std::thread> drivers;
    for (int bench = 0; bench < kBenches; ++bench) {
        auto unplugged = camera("none");
        unplugged.attached = false;
        k47::StateFile(fleet.bench(bench)).save(unplugged);
        runs.push_back(std::make_unique<QumatRun>(
            fleet.provision(bench), fleet.bench(bench), fleet.folder.path(),
            bench == kBenches - 1 && windowsProgram() != nullptr));
    }
    for (int bench = 0; bench < kBenches; ++bench) {
        drivers.emplace_back([&, bench] {
            std::vector<k47::CameraState> cameras;
            for (int at = 0; at < kCamerasEach; ++at) {
                cameras.push_back(camera("SN" + std::to_string(bench) + std::to_string(at)));
            }
            provisioned[bench] = drive(*runs[bench], fleet.bench(bench), cameras).first;
        });
    }
    for (auto& driver : drivers) {
        driver.join();
    }
    std::vector<k47::CameraState> cameras;
    for (int bench = 0; bench < kBenches; ++bench) {
        EXPECT_EQ(runs[bench]->status(), 0) << "bench " << bench;
        cameras.insert(cameras.end(), provisioned[bench].begin(), provisioned[bench].end());
    }
    ASSERT_EQ(cameras.size(), std::size_t(kBenches * kCamerasEach));
    const auto held = fleet.held(cameras);
    EXPECT_EQ(held.size(), fleet.officerOf.size());
    for (const auto& [deviceId, count] : held) {
        EXPECT_EQ(count, 1) << deviceId;
    }
    QumatRun status({"provision", "--status", "--ledger", fleet.ledger}, fleet.bench(0),
                    fleet.folder.path());
    EXPECT_EQ(status.rest(), "given: 20\nin doubt: 0\nfailed: 0\nleft: 0\n");
}

// Runs killed at random moments, one camera each, then every camera once more: no identity is
// ever on two cameras, and each camera ends with one of its own.
TEST_F(DatabaseProvisionProcessTest, RunsKilledAtRandomGiveNoIdentityTwice) {
    constexpr int kKilledRuns = 30;
    constexpr int kCameras = 8;
    Fleet fleet(kCameras + 2);
    for (int at = 0; at < kCameras; ++at) {
        auto state = camera("SN" + std::to_string(at));
        // A camera slow to take its identity, so that many kills fall between claim and outcome.
        state.faults.delays[k47::Function::WriteZFYInfo] = 30;
        k47::StateFile(fleet.bench(at)).save(state);
    }
    const auto cameras = [&] {
        std::vector<k47::CameraState> states;
        for (int at = 0; at < kCameras; ++at) {
            states.push_back(k47::StateFile(fleet.bench(at)).load().value());
        }
        return states;
    };
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> pick(0, kCameras - 1);
    // A run claims its camera's identity about 40 ms after its start, and settles it 30 ms later.
    std::uniform_int_distribution<int> microseconds(0, 90000);
    cli::DatabaseLedger ledger;
    int leftInDoubt = 0;
    for (int run = 0; run < kKilledRuns; ++run) {
        const int at = pick(random);
        {
            QumatRun killed(fleet.provision(at), fleet.bench(at), fleet.folder.path());
            std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        }
        // The first run makes the tables.
        if (run == 0) {
            ASSERT_EQ(ledger.open(fleet.ledger), "");
        }
        const auto holding = ledger.holdingOf("SN" + std::to_string(at));
        leftInDoubt += holding && holding->inDoubt ? 1 : 0;
        for (const auto& [deviceId, count] : fleet.held(cameras())) {
            ASSERT_EQ(count, 1) << deviceId << " after run " << run;
        }
    }
    std::cout << kKilledRuns << " runs killed, " << leftInDoubt
              << " of them leaving their camera's claim in doubt\n";
    for (int at = 0; at < kCameras; ++at) {
        QumatRun whole(fleet.provision(at), fleet.bench(at), fleet.folder.path());
        auto line = whole.line();
        while (line.find("connect a camera") != std::string::npos) {
            line = whole.line();
        }
        EXPECT_TRUE(line.starts_with("SN" + std::to_string(at) + " B000") &&
                    line.ends_with(" ok\n"))
            << line;
    }
    const auto held = fleet.held(cameras());
    EXPECT_EQ(held.size(), std::size_t(kCameras));
    for (const auto& [deviceId, count] : held) {
        EXPECT_EQ(count, 1) << deviceId;
    }
}

// A camera that refuses the identity's write gives it back: the next camera takes it, and the
// ledger counts the failure.
TEST_F(DatabaseProvisionProcessTest, RefusedIdentityGoesToTheNextCamera) {
    Fleet fleet(3);
    auto refusing = camera("SN0");
    refusing.faults.failing = {k47::Function::WriteZFYInfo};
    auto unplugged = camera("none");
    unplugged.attached = false;
    k47::StateFile(fleet.bench(0)).save(unplugged);
    QumatRun run(fleet.provision(0), fleet.bench(0), fleet.folder.path());
    const auto [provisioned, lines] = drive(run, fleet.bench(0), {refusing, camera("SN1")});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with("SN0 B000100 200100 failed: ")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("(identity released: the camera does not hold it)\n"))
        << lines[0];
    EXPECT_EQ(lines[1], "SN1 B000100 200100 ok\n");
    QumatRun status({"provision", "--status", "--ledger", fleet.ledger}, fleet.bench(0),
                    fleet.folder.path());
    EXPECT_EQ(status.rest(), "given: 1\nin doubt: 0\nfailed: 1\nleft: 2\n");
}

// The connection lost while the camera takes its identity: the run stops without giving the next
// camera anything, the identity stays in doubt with the camera, and the camera's next run settles
// it as given, the camera holding it.
TEST_F(DatabaseProvisionProcessTest, LostConnectionLeavesTheIdentityWithItsCamera) {
    Fleet fleet(2);
    auto slow = camera("SN0");
    slow.faults.delays[k47::Function::WriteZFYInfo] = 500;
    k47::StateFile(fleet.bench(0)).save(slow);
    // Makes the tables the run then finds.
    cli::DatabaseLedger ledger;
    ASSERT_EQ(ledger.open(fleet.ledger), "");
    {
        QumatRun run(fleet.provision(0), fleet.bench(0), fleet.folder.path());
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        auto holding = ledger.holdingOf("SN0");
        while (!holding && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(5ms);
            holding = ledger.holdingOf("SN0");
        }
        ASSERT_TRUE(holding.has_value());
        EXPECT_TRUE(holding->inDoubt);
        server().dropConnections(fleet.ledger);
        const auto said = run.rest();
        EXPECT_EQ(run.status(), 1);
        EXPECT_NE(said.find("cannot write the ledger: "), std::string::npos) << said;
        EXPECT_EQ(said.find("SN0 B000100"), std::string::npos) << said;
    }
    cli::DatabaseLedger after;
    ASSERT_EQ(after.open(fleet.ledger), "");
    EXPECT_TRUE(after.holdingOf("SN0").value_or(cli::Holding{}).inDoubt);
    EXPECT_FALSE(after.isTaken("B000101"));

    auto state = k47::StateFile(fleet.bench(0)).load().value();
    state.faults.delays.clear();
    k47::StateFile(fleet.bench(0)).save(state);
    QumatRun again(fleet.provision(0), fleet.bench(0), fleet.folder.path());
    auto line = again.line();
    while (line.find("connect a camera") != std::string::npos) {
        line = again.line();
    }
    EXPECT_EQ(line, "SN0 B000100 200100 ok\n");
    const auto holding = after.holdingOf("SN0");
    ASSERT_TRUE(holding.has_value());
    EXPECT_FALSE(holding->inDoubt);
}

}  // namespace
