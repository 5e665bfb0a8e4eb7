// What a command costs against the smallest C++ program that prints a line, measured in the same
// run: the wall time of `qumat show` on the emulated camera, from fork to its end, and its peak
// resident memory. Then what provisioning one camera costs against the same work done by hand:
// `qumat provision` of a profile and one identity against `import`, `set` and `show` run one after
// another, with the camera attached from the start so that no waiting is counted. Prints each
// ratio beside its target; exits 1 when one is missed.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process_runs.h"
#include "ratio_report.h"

namespace {

constexpr int kRuns = 200;
constexpr int kCameraRuns = 60;

// Runs the programs one after another with their output thrown away and adds their summed wall
// time and their highest peak memory.
void runOnce(const std::vector<Command>& commands, Runs& runs) {
    double milliseconds = 0;
    long peakKilobytes = 0;
    for (const Command& command : commands) {
        Runs one;
        ::runOnce(command, one);
        if (one.failed) {
            runs.failed = true;
            return;
        }
        milliseconds += one.milliseconds.front();
        peakKilobytes = std::max(peakKilobytes, one.peakKilobytes.front());
    }
    runs.milliseconds.push_back(milliseconds);
    runs.peakKilobytes.push_back(peakKilobytes);
}

}  // namespace

int main() {
    // The emulated camera keeps its state in a folder of the run's own; nothing is logged.
    std::string folder = (std::filesystem::temp_directory_path() / "qumat-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("qumat command bench");
        return 1;
    }
    ::setenv("K47_CAMERA_STATE", (folder + "/camera.ini").c_str(), 1);
    ::setenv("QUMAT_PASSWORD", "000000", 1);
    ::setenv("QUMAT_CHANGE_LOG", "off", 1);

    const std::vector<std::string> show{QUMAT_PROGRAM, "show"};
    const std::vector<std::string> printLine{PRINT_LINE_PROGRAM};
    Runs command;
    Runs floor;
    // The first run creates the camera's state file, and both programs' pages are cached after it.
    runOnce(show, command);
    runOnce(printLine, floor);
    command = {};
    floor = {};
    // Interleaved, so that a busy moment of the machine weighs on both alike.
    for (int run = 0; run < kRuns && !command.failed && !floor.failed; ++run) {
        runOnce(show, command);
        runOnce(printLine, floor);
    }

    // Provisioning gives the camera one profile and identity and the commands by hand another, in
    // turn, so that each run changes everything it writes.
    const auto writeFiles = [&folder](char turn) {
        const std::string profile = folder + "/profile" + turn + ".ini";
        const std::string identities = folder + "/identities" + turn + ".csv";
        std::ofstream(profile) << "[network]\nssid = Depot " << turn << "\nserver_ip = 10.0.0."
                               << turn << "\n[recording]\nresolution = "
                               << (turn == '1' ? "1920x1080 30P" : "1280x720 30P")
                               << "\ngps = " << (turn == '1' ? "ON" : "OFF") << '\n';
        std::ofstream(identities) << "identity.device_id,identity.officer_id\nB00000" << turn
                                  << ",20000" << turn << '\n';
        return std::pair{profile, identities};
    };
    const auto [profile, identities] = writeFiles('1');
    const Command provisionOne{QUMAT_PROGRAM, "--quiet",      "provision",
                               profile,       "--identities", identities};
    const std::string otherProfile = writeFiles('2').first;
    const std::vector<Command> byHand{{QUMAT_PROGRAM, "--quiet", "import", otherProfile},
                                      {QUMAT_PROGRAM, "--quiet", "set",
                                       "identity.device_id=B000002", "identity.officer_id=200002"},
                                      show};
    Runs provision;
    Runs hand;
    for (int run = 0; run < kCameraRuns && !provision.failed && !hand.failed; ++run) {
        runOnce(provisionOne, provision);
        runOnce(byHand, hand);
    }
    std::filesystem::remove_all(folder);
    if (command.failed || floor.failed || provision.failed || hand.failed) {
        return 1;
    }

    const double time = median(command.milliseconds);
    const double floorTime = median(floor.milliseconds);
    const double memory = median(command.peakKilobytes);
    const double floorMemory = median(floor.peakKilobytes);
    std::printf("medians of %d interleaved runs each\n", kRuns);
    std::printf("%-44s %8.2f ms %8.0f KB\n", "qumat show, emulated camera", time, memory);
    std::printf("%-44s %8.2f ms %8.0f KB\n", "a C++ program printing a line", floorTime,
                floorMemory);
    std::printf("\nratio against a program that prints a line, measured in this run\n");
    bool met = printRatio("wall time, qumat show / print a line", time, floorTime, 2);
    met &= printRatio("peak memory, qumat show / print a line", memory, floorMemory, 2);

    const double provisionTime = median(provision.milliseconds);
    const double handTime = median(hand.milliseconds);
    std::printf("\nmedians of %d interleaved cameras each, waiting excluded\n", kCameraRuns);
    std::printf("%-44s %8.2f ms\n", "qumat provision, one camera", provisionTime);
    std::printf("%-44s %8.2f ms\n", "qumat import, set and show", handTime);
    met &= printRatio("wall time, provision / import + set + show", provisionTime, handTime, 1);
    return met ? 0 : 1;
}
