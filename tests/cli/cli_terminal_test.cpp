// The password prompt of the built program on a pseudo-terminal: however the prompt ends, the
// terminal gets its echo back.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "temporary_directory.h"

namespace {

bool echoes(int terminal) {
    termios settings{};
    return ::tcgetattr(terminal, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
}

// Reads the terminal's output until `text` shows, for at most ten seconds.
bool waitFor(int master, const std::string& text) {
    std::string seen;
    while (seen.find(text) == std::string::npos) {
        pollfd ready{.fd = master, .events = POLLIN, .revents = 0};
        char chunk[256];
        if (::poll(&ready, 1, 10000) != 1) {
            return false;
        }
        const auto count = ::read(master, chunk, sizeof chunk);
        if (count <= 0) {
            return false;
        }
        seen.append(chunk, static_cast<std::size_t>(count));
    }
    return true;
}

// The built program on a new pseudo-terminal with one or two arguments, dumping no core
// when a signal ends it; -1 when it could not be started.
pid_t startOnTerminal(int& master, int& slave, const char* first, const char* second = nullptr) {
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(master);
        const rlimit noCore{};
        ::setrlimit(RLIMIT_CORE, &noCore);
        if (::login_tty(slave) == 0) {
            ::execl(QUMAT_BINARY, QUMAT_BINARY, first, second, nullptr);
        }
        ::_exit(127);
    }
    return child;
}

TEST(CliTerminalTest, ThePasswordPromptGivesTheEchoBackHoweverItEnds) {
    const struct {
        const char* what;
        int signal;         // sent to the program at the prompt; 0 for none
        const char* typed;  // typed at the prompt instead
        int exitStatus;     // when it is not ended by the signal
    } cases[] = {
        {"Ctrl-C", SIGINT, "", 0},   {"SIGTERM", SIGTERM, "", 0}, {"SIGHUP", SIGHUP, "", 0},
        {"SIGQUIT", SIGQUIT, "", 0}, {"Ctrl-D", 0, "\x04", 2},    {"a password", 0, "000000\n", 0},
    };
    testing_support::TemporaryDirectory directory;
    ::setenv("K47_CAMERA_STATE", (directory / "camera.ini").c_str(), 1);
    ::unsetenv("QUMAT_PASSWORD");
    for (const auto& [what, signal, typed, exitStatus] : cases) {
        int master = -1;
        int slave = -1;
        const pid_t child = startOnTerminal(master, slave, "show");
        ASSERT_GT(child, 0);
        EXPECT_TRUE(waitFor(master, "Password: ")) << what;
        EXPECT_FALSE(echoes(slave)) << what;
        if (signal != 0) {
            ::kill(child, signal);
        } else {
            ASSERT_GT(::write(master, typed, std::strlen(typed)), 0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (signal != 0) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << what;
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == exitStatus) << what;
        }
        EXPECT_TRUE(echoes(slave)) << what;
        ::close(master);
        ::close(slave);
    }
}

// A secret given as '-' on a terminal is typed without echo, like the password.
TEST(CliTerminalTest, ASecretTypedOnTheTerminalIsNotShown) {
    testing_support::TemporaryDirectory directory;
    const auto state = directory / "camera.ini";
    ::setenv("K47_CAMERA_STATE", state.c_str(), 1);
    ::setenv("QUMAT_PASSWORD", "000000", 1);
    int master = -1;
    int slave = -1;
    const pid_t child = startOnTerminal(master, slave, "set", "network.wifi_password=-");
    ASSERT_GT(child, 0);
    EXPECT_TRUE(waitFor(master, "network.wifi_password: "));
    EXPECT_FALSE(echoes(slave));
    ASSERT_GT(::write(master, "typed-secret\n", 13), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(echoes(slave));
    ::unsetenv("QUMAT_PASSWORD");
    ::close(master);
    ::close(slave);
    std::ifstream file(state);
    const std::string content((std::istreambuf_iterator<char>(file)), {});
    EXPECT_NE(content.find("WifiPassword=typed-secret"), std::string::npos) << content;
}

}  // namespace
