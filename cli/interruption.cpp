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
}

Interruption::~Interruption() {
    std::signal(SIGINT, previous_);
}

bool Interruption::requested() {
    return interrupted;
}

}  // namespace cli
