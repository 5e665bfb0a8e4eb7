// What checking a long change log costs: `qumat log --verify` of a log of 300 000 entries, set
// aside in files of the size a log is set aside at, against hashing each of its lines once with
// the same SHA-256 in this process (the least a check of the chain does), measured in the same
// run; and its peak resident memory against the smallest C++ program that prints a line, which a
// check that reads a line at a time stays near. Prints each ratio beside its target; exits 1 when
// one is missed.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "change_log.h"
#include "log_reading.h"
#include "process_runs.h"
#include "ratio_report.h"
#include "sha256.h"

namespace {

constexpr int kEntries = 300'000;
constexpr int kEntriesAWrite = 1000;
constexpr int kRuns = 5;

// As the command line logs a setting, its value changing from one entry to the next.
change_log::ChangeEntry entry(int number) {
    return {.time = "2026-12-08T05:40:03Z",
            .utcOffset = "+01:00",
            .user = "admin",
            .host = "desk-7",
            .frontEnd = "command line",
            .model = "common",
            .deviceId = "A123456",
            .serialNumber = "SN23110804571",
            .setting = "ssid",
            .oldValue = "Depot " + std::to_string(number),
            .newValue = "Depot " + std::to_string(number + 1),
            .outcome = std::string(number % 2 == 0 ? change_log::kIntended : change_log::kWritten)};
}

// Every line of every file of the log, each hashed once.
double hashEachLine(const std::filesystem::path& log) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t last = change_log::lastSetAside(log);
    std::size_t hashed = 0;
    for (std::uint64_t number = 1; number <= last + 1; ++number) {
        std::ifstream file(number <= last ? change_log::setAsideName(log, number) : log);
        for (std::string line; std::getline(file, line);) {
            hashed += change_log::sha256Hex(line).size();
        }
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return hashed > 0 ? elapsed.count() : 0;
}

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "qumat-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("qumat log bench");
        return 1;
    }
    const std::filesystem::path log = std::filesystem::path(folder) / "changes.log";
    ::setenv("QUMAT_CHANGE_LOG", log.c_str(), 1);
    ::setenv("QUMAT_SYSTEM_LOG", "off", 1);
    {
        change_log::ChangeLog writer(log, {});
        for (int written = 0; written < kEntries; written += kEntriesAWrite) {
            std::vector<change_log::ChangeEntry> entries;
            for (int number = written; number < written + kEntriesAWrite; ++number) {
                entries.push_back(entry(number));
            }
            if (const auto reason = writer.append(entries)) {
                std::fprintf(stderr, "qumat log bench: %s\n", reason->c_str());
                std::filesystem::remove_all(folder);
                return 1;
            }
        }
    }
    std::uintmax_t bytes = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        bytes += file.file_size();
    }
    const std::uint64_t files = change_log::lastSetAside(log) + 1;

    const Command verify{QUMAT_PROGRAM, "log", "--verify"};
    const Command printLine{PRINT_LINE_PROGRAM};
    Runs command;
    Runs floor;
    std::vector<double> hashing;
    // Interleaved, so that a busy moment of the machine weighs on all alike.
    for (int run = 0; run < kRuns && !command.failed && !floor.failed; ++run) {
        runOnce(verify, command);
        runOnce(printLine, floor);
        hashing.push_back(hashEachLine(log));
    }
    std::filesystem::remove_all(folder);
    if (command.failed || floor.failed) {
        return 1;
    }

    const double time = median(command.milliseconds);
    const double hashTime = median(hashing);
    const double memory = median(command.peakKilobytes);
    const double floorMemory = median(floor.peakKilobytes);
    std::printf("a log of %d entries, %.0f MB in %llu files; medians of %d runs each\n", kEntries,
                static_cast<double>(bytes) / (1024 * 1024), static_cast<unsigned long long>(files),
                kRuns);
    std::printf("%-44s %8.0f ms %8.0f KB\n", "qumat log --verify", time, memory);
    std::printf("%-44s %8.0f ms\n", "each line hashed once, in process", hashTime);
    std::printf("%-44s %8s    %8.0f KB\n", "a C++ program printing a line", "", floorMemory);
    std::printf("\nratio against its baseline, measured in this run\n");
    bool met = printRatio("wall time, log --verify / hash each line", time, hashTime, 3.5);
    met &= printRatio("peak memory, log --verify / print a line", memory, floorMemory, 2);
    return met ? 0 : 1;
}
