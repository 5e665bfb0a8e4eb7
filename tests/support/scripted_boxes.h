#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "message_boxes.h"

namespace testing_support {

// Records every box instead of showing it, and answers from a script (OK by default, No for a
// Yes/No question with nothing scripted).
class ScriptedBoxes : public window_logic::MessageBoxes {
  public:
    struct Box {
        std::string text;
        std::string caption;
        window_logic::MessageBoxStyle style;
        bool relabelled;
    };

    window_logic::MessageBoxButton show(std::string_view text, std::string_view caption,
                                        window_logic::MessageBoxStyle style) override;
    void relabelNextBox() override { relabelNext_ = true; }

    void answerNext(window_logic::MessageBoxButton button) { answers_.push_back(button); }
    const std::vector<Box>& shown() const { return boxes_; }
    void clear() { boxes_.clear(); }

  private:
    std::vector<Box> boxes_;
    std::deque<window_logic::MessageBoxButton> answers_;
    bool relabelNext_ = false;
};

}  // namespace testing_support
