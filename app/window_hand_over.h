#pragma once

#include "busy_cursor.h"
#include "context.h"
#include "hand_over.h"
#include "logging_camera_library.h"

namespace app {

// Constructs the next window and runs it modally; the window lives until its run returns.
class WindowHandOver final : public window_logic::HandOver {
  public:
    WindowHandOver(camera::CameraLibrary& camera, window_logic::MessageBoxes& messageBoxes,
                   window_logic::Session& session, std::filesystem::path languageFile,
                   ui::FontMeasures& fontMeasures, camera::CameraHold* cameraHold = nullptr);

    void runLoginWindow(const editions::Edition& edition) override;
    void runSettingsWindow(const editions::Edition& edition) override;

  private:
    void serve(const editions::Edition& edition);

    // Every change the windows make is logged where the environment says.
    change_log::LoggingCameraLibrary logged_;
    BusyCursor busyCursor_;
    camera::ObservedCameraLibrary busyCamera_;
    ui::Context context_;
};

}  // namespace app
