#include "change_join.h"

namespace change_log {

void ChangeJoin::add(ChangeEntry entry) {
    if (const auto named = byHash_.find(entry.intent); named != byHash_.end()) {
        auto& change = waiting_[static_cast<std::size_t>(named->second - firstNumber_)];
        change.outcome = std::move(entry.outcome);
        change.reason = std::move(entry.reason);
        return;
    }
    if (entry.outcome == kIntended) {
        byHash_.emplace(entry.hash, firstNumber_ + waiting_.size());
        entry.outcome = kOutcomeUnknown;
    }
    waiting_.push_back(std::move(entry));
    if (waiting_.size() > window_) {
        doneWithFirst();
    }
}

void ChangeJoin::finish() {
    while (!waiting_.empty()) {
        doneWithFirst();
    }
}

void ChangeJoin::doneWithFirst() {
    if (const auto named = byHash_.find(waiting_.front().hash);
        named != byHash_.end() && named->second == firstNumber_) {
        byHash_.erase(named);
    }
    done_(std::move(waiting_.front()));
    waiting_.pop_front();
    ++firstNumber_;
}

}  // namespace change_log
