#include "call_journal.h"

#include <cstdio>

#include "whole_file.h"

namespace k47 {

CallJournal::CallJournal(std::filesystem::path path) : path_(std::move(path)) {}

void CallJournal::append(const JournalLine& line) {
    if (path_.empty()) {
        return;
    }
    const auto error = platform::appendInOneWrite(path_, line.str() + "\n");
    if (error && !failureReported_) {
        std::fprintf(stderr, "k47_4g_pc: cannot append to the call journal %s: %s\n",
                     path_.string().c_str(), error.message().c_str());
        failureReported_ = true;
    }
}

}  // namespace k47
