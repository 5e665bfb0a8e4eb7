#pragma once

#include "message_boxes.h"

namespace win32 {

// The window system's own message boxes, in language 1033, with no owner window.
class NativeMessageBoxes final : public window_logic::MessageBoxes {
  public:
    window_logic::MessageBoxButton show(std::string_view text, std::string_view caption,
                                        window_logic::MessageBoxStyle style) override;
    // Through a window-creation hook on this thread, which renames the buttons of the next window
    // activated (the box) and removes itself.
    void relabelNextBox() override;
};

}  // namespace win32
