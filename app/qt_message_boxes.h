#pragma once

#include "message_boxes.h"

namespace app {

// Message boxes as QMessageBox windows with Qt's English standard buttons.
class QtMessageBoxes final : public ui::MessageBoxes {
  public:
    ui::MessageBoxButton show(const QString& text, const QString& caption,
                              ui::MessageBoxStyle style) override;
    void relabelNextBox() override;

  private:
    bool relabelNext_ = false;
};

}  // namespace app
