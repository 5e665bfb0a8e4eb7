#pragma once

#include <filesystem>

#include "camera_login.h"
#include "services.h"

namespace window_logic {

// The services of a window shown on its own, outside the chain of windows, by the tools that
// render or measure one: no box is shown and no window follows, and the camera is logged in as
// after a login with the emulated camera's administrator password.
class StandaloneServices final : private MessageBoxes, private HandOver {
  public:
    StandaloneServices(camera::CameraLibrary& camera, std::filesystem::path languageFile)
        : services{camera, *this, *this, session, std::move(languageFile)} {
        camera::CameraLogin login(camera, session);
        login.connect();
        loggedIn = login.logIn(u"000000");
    }

    Session session;
    Services services;
    bool loggedIn = false;

  private:
    MessageBoxButton show(std::string_view, std::string_view, MessageBoxStyle) override {
        return MessageBoxButton::Ok;
    }
    void relabelNextBox() override {}
    void runLoginWindow(const editions::Edition&) override {}
    void runSettingsWindow(const editions::Edition&) override {}
};

}  // namespace window_logic
