#pragma once

#include <deque>
#include <vector>

#include "message_boxes.h"

namespace testing_support {

// Records every box instead of showing it, and answers from a script (OK by default, No for a
// Yes/No question with nothing scripted).
class ScriptedMessageBoxes : public app::MessageBoxes {
  public:
    struct Box {
        QString text;
        QString caption;
        app::MessageBoxStyle style;
        bool relabelled;
    };

    app::MessageBoxButton show(const QString& text, const QString& caption,
                               app::MessageBoxStyle style) override;
    void relabelNextBox() override { relabelNext_ = true; }

    void answerNext(app::MessageBoxButton button) { answers_.push_back(button); }
    const std::vector<Box>& boxes() const { return boxes_; }
    QStringList texts() const;
    void clear() { boxes_.clear(); }

  private:
    std::vector<Box> boxes_;
    std::deque<app::MessageBoxButton> answers_;
    bool relabelNext_ = false;
};

}  // namespace testing_support
