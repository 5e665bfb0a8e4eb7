#pragma once

#include <QString>

#include "camera_login.h"
#include "context.h"
#include "edition.h"
#include "hand_over.h"
#include "message_boxes.h"
#include "window_session.h"

namespace app {

// The services of a window shown on its own, outside the chain of windows, by the tools that
// render or measure one: no box is shown and no window follows, and the camera is logged in as
// after a login with the emulated camera's administrator password.
class StandaloneWindowServices final : private window_logic::MessageBoxes,
                                       private window_logic::HandOver {
  public:
    StandaloneWindowServices(camera::CameraLibrary& camera, const QString& languageFile)
        : context{{camera, *this, *this, session, languageFile.toStdString()}, measuredSizes} {
        camera::CameraLogin login(camera, session);
        login.connect();
        loggedIn = login.logIn(u"000000");
    }

    window_logic::Session session;
    ui::MeasuredSizes measuredSizes;
    ui::Context context;
    bool loggedIn = false;

  private:
    window_logic::MessageBoxButton show(std::string_view, std::string_view,
                                        window_logic::MessageBoxStyle) override {
        return window_logic::MessageBoxButton::Ok;
    }
    void relabelNextBox() override {}
    void runLoginWindow(const editions::Edition&) override {}
    void runSettingsWindow(const editions::Edition&) override {}
};

}  // namespace app
