#pragma once

#include "hand_over.h"
#include "logging_camera_library.h"
#include "services.h"
#include "wait_cursor.h"

namespace win32 {

// Makes the next window and runs it modally, one level deeper than the window that handed over;
// the window lives until its run returns.
class NativeHandOver final : public window_logic::HandOver {
  public:
    NativeHandOver(camera::CameraLibrary& camera, window_logic::MessageBoxes& messageBoxes,
                   window_logic::Session& session, std::filesystem::path languageFile,
                   camera::CameraHold* cameraHold = nullptr);

    void runLoginWindow(const editions::Edition& edition) override;
    void runSettingsWindow(const editions::Edition& edition) override;

  private:
    void serve(const editions::Edition& edition);

    // Every change the windows make is logged where the environment says.
    change_log::LoggingCameraLibrary logged_;
    WaitCursor waitCursor_;
    camera::ObservedCameraLibrary waitingCamera_;
    window_logic::Services services_;
};

}  // namespace win32
