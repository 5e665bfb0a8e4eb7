#pragma once

#include <deque>
#include <vector>

#include "message_boxes.h"

namespace testing_support {

// Records every box instead of showing it, and answers from a script (OK by default, No for a
// Yes/No question with nothing scripted).
class ScriptedMessageBoxes : public ui::MessageBoxes {
  public:
    struct Box {
        QString text;
        QString caption;
        ui::MessageBoxStyle style;
        bool relabelled;
    };

    ui::MessageBoxButton show(const QString& text, const QString& caption,
                              ui::MessageBoxStyle style) override;
    void relabelNextBox() override { relabelNext_ = true; }

    void answerNext(ui::MessageBoxButton button) { answers_.push_back(button); }
    const std::vector<Box>& boxes() const { return boxes_; }
    QStringList texts() const;
    void clear() { boxes_.clear(); }

  private:
    std::vector<Box> boxes_;
    std::deque<ui::MessageBoxButton> answers_;
    bool relabelNext_ = false;
};

}  // namespace testing_support
