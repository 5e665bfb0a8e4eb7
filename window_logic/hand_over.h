#pragma once

namespace editions {
struct Edition;
}

namespace window_logic {

// Runs the next window of the chain modally; returns when it has closed.
class HandOver {
  public:
    virtual ~HandOver() = default;

    virtual void runLoginWindow(const editions::Edition& edition) = 0;
    virtual void runSettingsWindow(const editions::Edition& edition) = 0;
};

}  // namespace window_logic
