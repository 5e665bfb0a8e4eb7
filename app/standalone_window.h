#pragma once

#include <QString>
#include <array>

#include "context.h"
#include "edition.h"
#include "hand_over.h"
#include "message_boxes.h"
#include "session.h"

namespace app {

// The services of a window shown on its own, outside the chain of windows, by the tools that
// render or measure one: no box is shown and no window follows, and the camera is logged in as
// after a login with the emulated camera's administrator password.
class StandaloneWindowServices final : private MessageBoxes, private HandOver {
  public:
    StandaloneWindowServices(camera::CameraLibrary& camera, const QString& languageFile)
        : context{camera, *this, *this, session, languageFile.toStdString()} {
        session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        std::array<uint8_t, 6> buffer{};
        int32_t flag = 0;
        camera.Init_Device(buffer.data(), &flag);
        session.connected = flag;
        camera.Qumat_Login(0, session.loginPassword.data(), &loggedIn);
    }

    camera::Session session;
    Context context;
    int32_t loggedIn = 0;

  private:
    MessageBoxButton show(const QString&, const QString&, MessageBoxStyle) override {
        return MessageBoxButton::Ok;
    }
    void relabelNextBox() override {}
    void runLoginWindow(const editions::Edition&) override {}
    void runSettingsWindow(const editions::Edition&) override {}
};

}  // namespace app
