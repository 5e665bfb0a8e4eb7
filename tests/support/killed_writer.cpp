#include "killed_writer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace testing_support {

bool killWhileWriting(const std::function<void()>& writeOnce, std::chrono::microseconds latest,
                      std::mt19937& random) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        writeOnce();
        const char started = 1;
        if (::write(ready[1], &started, 1) != 1) {
            ::_exit(1);
        }
        for (;;) {
            writeOnce();
        }
    }
    ::close(ready[1]);
    char started = 0;
    const bool running = child > 0 && ::read(ready[0], &started, 1) == 1;
    ::close(ready[0]);
    if (child < 0) {
        return false;
    }
    if (running) {
        std::uniform_int_distribution<std::chrono::microseconds::rep> delay(0, latest.count());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return running && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace testing_support
