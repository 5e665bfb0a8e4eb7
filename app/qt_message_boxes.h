#pragma once

#include "message_boxes.h"

namespace app {

// Message boxes as QMessageBox windows with Qt's English standard buttons.
class QtMessageBoxes final : public window_logic::MessageBoxes {
  public:
    window_logic::MessageBoxButton show(std::string_view text, std::string_view caption,
                                        window_logic::MessageBoxStyle style) override;
    void relabelNextBox() override;

  private:
    bool relabelNext_ = false;
};

}  // namespace app
