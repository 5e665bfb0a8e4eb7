#pragma once

#include <string_view>

#include "edition.h"
#include "services.h"
#include "window_controls.h"

namespace window_logic {

// The first window of every edition: connect to the camera, log in, switch the edition.
class LoginLogic {
  public:
    // Fills the lists and scans for cameras, as the window opens.
    LoginLogic(const editions::Edition& edition, Services& services, WindowControls& controls);

    void connect();
    void logIn();
    // The user chose the entry at that position of the language list, maybe the selected one.
    void chooseLanguage(int position);

  private:
    MessageBoxButton showMessage(std::string_view text);

    const editions::Edition& edition_;
    Services& services_;
    WindowControls& controls_;
};

}  // namespace window_logic
