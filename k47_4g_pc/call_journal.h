#pragma once

#include <filesystem>

#include "journal_line.h"

namespace k47 {

// Appends one line per call to the journal file, when there is one, so that a tester sees exactly
// what the tool sent and what it got back.
class CallJournal {
  public:
    // An empty path keeps no journal.
    explicit CallJournal(std::filesystem::path path);

    void append(const JournalLine& line);

  private:
    std::filesystem::path path_;
    bool failureReported_ = false;
};

}  // namespace k47
