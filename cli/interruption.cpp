#include "interruption.h"

#include <atomic>
#include <csignal>

namespace cli {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void noteInterruption(int) {
    interrupted = true;
}

}  // namespace

Interruption::Interruption() {
    interrupted = false;
    previous_ = std::signal(SIGINT, noteInterruption);
    // A process started to ignore Ctrl-C (a background job, nohup) goes on ignoring it.
    if (previous_ == SIG_IGN) {
        std::signal(SIGINT, SIG_IGN);
    }
}

Interruption::~Interruption() {
    std::signal(SIGINT, previous_);
}

bool Interruption::requested() {
    return interrupted;
}

}  // namespace cli
