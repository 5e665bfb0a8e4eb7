#pragma once

#include "busy_camera_library.h"
#include "context.h"
#include "hand_over.h"

namespace app {

// Constructs the next window and runs it modally; the window lives until its run returns.
class WindowHandOver final : public HandOver {
  public:
    WindowHandOver(camera::CameraLibrary& camera, MessageBoxes& messageBoxes,
                   camera::Session& session, std::filesystem::path languageFile);

    void runLoginWindow(const editions::Edition& edition) override;
    void runSettingsWindow(const editions::Edition& edition) override;

  private:
    BusyCameraLibrary busyCamera_;
    Context context_;
};

}  // namespace app
