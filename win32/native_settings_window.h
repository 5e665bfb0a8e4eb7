#pragma once

#include <optional>

#include "dialog_window.h"
#include "settings_logic.h"

namespace win32 {

// An edition's settings window: it reads the camera as it opens; each button reads or writes its
// group.
class NativeSettingsWindow final : public DialogWindow {
  public:
    NativeSettingsWindow(const editions::Edition& edition, window_logic::Services& services);

  private:
    void opened() override;
    void notified(const DialogItem& item, int notification) override;

    const editions::Edition& edition_;
    window_logic::Services& services_;
    std::optional<window_logic::SettingsLogic> logic_;
};

}  // namespace win32
