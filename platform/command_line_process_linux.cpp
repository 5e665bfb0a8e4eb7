#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <iostream>

#include "command_line_process.h"

namespace platform {
namespace {

constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// A signal handler can reach nothing else: the settings to put back while echo is off.
termios savedTerminal{};

// Installed with SA_RESETHAND: the raised signal is delivered with its default action once the
// handler returns.
void restoreAndEnd(int signal) {
    ::tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    ::raise(signal);
}

// Turns echo off for its lifetime; the terminal gets its settings back however the prompt ends,
// also by Ctrl-C or a signal, so that the user's shell does not stay blind.
class EchoOff {
  public:
    EchoOff() {
        saved_ = ::tcgetattr(STDIN_FILENO, &savedTerminal) == 0;
        if (!saved_) {
            return;
        }
        struct sigaction handler {};
        handler.sa_handler = restoreAndEnd;
        handler.sa_flags = SA_RESETHAND;
        ::sigemptyset(&handler.sa_mask);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            ::sigaction(kEndingSignals[i], nullptr, &previous_[i]);
            // A signal the caller ignores (nohup) stays ignored.
            if (previous_[i].sa_handler != SIG_IGN) {
                ::sigaction(kEndingSignals[i], &handler, nullptr);
            }
        }
        termios silent = savedTerminal;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }

    ~EchoOff() {
        if (!saved_) {
            return;
        }
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            ::sigaction(kEndingSignals[i], &previous_[i], nullptr);
        }
    }

    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

  private:
    std::array<struct sigaction, kEndingSignals.size()> previous_{};
    bool saved_ = false;
};

}  // namespace

std::vector<std::string> commandLineArguments(int argc, const char* const argv[]) {
    return std::vector<std::string>(argv, argv + argc);
}

std::optional<std::string> readLineWithoutEcho(std::string_view prompt) {
    if (::isatty(STDIN_FILENO) == 0) {
        return std::nullopt;
    }
    std::string line;
    bool read = false;
    {
        // Echo goes off before the prompt shows, so that nothing typed after it is echoed.
        const EchoOff echoOff;
        std::cerr << prompt << std::flush;
        read = static_cast<bool>(std::getline(std::cin, line));
    }
    std::cerr << '\n';
    return read ? std::optional(line) : std::nullopt;
}

void prepareCommandLineProcess() {
    ::signal(SIGXFSZ, SIG_IGN);
    // A reader gone before the output was written (`| true`) fails the write, which exits 1,
    // instead of ending the process with no word of what it did.
    ::signal(SIGPIPE, SIG_IGN);
}

}  // namespace platform
