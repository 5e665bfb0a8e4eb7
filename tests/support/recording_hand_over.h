#pragma once

#include <vector>

#include "hand_over.h"

namespace testing_support {

// Records which window would run next and returns at once, so no modal loop blocks a test.
class RecordingHandOver : public window_logic::HandOver {
  public:
    enum class Window { Login, Settings };
    struct Run {
        Window window;
        int edition;

        bool operator==(const Run&) const = default;
    };

    void runLoginWindow(const editions::Edition& edition) override;
    void runSettingsWindow(const editions::Edition& edition) override;

    const std::vector<Run>& runs() const { return runs_; }

  private:
    std::vector<Run> runs_;
};

}  // namespace testing_support
