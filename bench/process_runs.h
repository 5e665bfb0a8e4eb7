#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// Programs run as processes of their own, their wall times and peak memories gathered.

using Command = std::vector<std::string>;

struct Runs {
    std::vector<double> milliseconds;
    std::vector<long> peakKilobytes;
    bool failed = false;
};

// Runs the program once with its output thrown away and adds its wall time and peak memory.
inline void runOnce(const Command& command, Runs& runs) {
    std::vector<char*> argv;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    const bool ended = child > 0 && ::wait4(child, &status, 0, &usage) == child;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended with status %d\n", argv[0], status);
        runs.failed = true;
        return;
    }
    runs.milliseconds.push_back(elapsed.count());
    runs.peakKilobytes.push_back(usage.ru_maxrss);
}

template <typename Number>
double median(std::vector<Number> values) {
    if (values.empty()) {
        return 0;
    }
    std::ranges::nth_element(values, values.begin() + values.size() / 2);
    return static_cast<double>(values[values.size() / 2]);
}
