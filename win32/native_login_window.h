#pragma once

#include <optional>

#include "dialog_window.h"
#include "login_logic.h"

namespace win32 {

// An edition's first window: the banner, the user type, the password, the language, Connect and
// Login.
class NativeLoginWindow final : public DialogWindow {
  public:
    NativeLoginWindow(const editions::Edition& edition, window_logic::Services& services);
    ~NativeLoginWindow() override;

  private:
    NativeLoginWindow(const editions::Edition& edition, window_logic::Services& services,
                      HBITMAP banner);

    void opened() override;
    void notified(const DialogItem& item, int notification) override;

    const editions::Edition& edition_;
    window_logic::Services& services_;
    HBITMAP banner_;
    std::optional<window_logic::LoginLogic> logic_;
};

}  // namespace win32
