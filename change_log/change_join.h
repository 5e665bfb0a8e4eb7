#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "change_entry.h"

namespace change_log {

// The changes a log's entries make, in the order the camera was asked: each entry written before
// a call with the outcome (and reason) of the last entry that names it, or kOutcomeUnknown when
// none does; an entry of an older log, which holds its own outcome, as it is.
class ChangeJoin {
  public:
    // `done` has each change once `window` later changes wait behind it, or at finish(): an
    // outcome comes within the run that made its change, and an entry that names a change
    // already done stands as a change of its own.
    ChangeJoin(std::function<void(ChangeEntry change)> done, std::size_t window)
        : done_(std::move(done)), window_(window) {}

    void add(ChangeEntry entry);
    // The changes still waiting, in order.
    void finish();

  private:
    void doneWithFirst();

    std::function<void(ChangeEntry)> done_;
    std::size_t window_;
    std::deque<ChangeEntry> waiting_;
    // The number of the first change waiting, counted over all changes.
    std::uint64_t firstNumber_ = 0;
    // The changes waiting that an outcome may name, by the hash of their entry.
    std::map<std::string, std::uint64_t, std::less<>> byHash_;
};

}  // namespace change_log
