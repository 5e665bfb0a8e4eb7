#include "native_hand_over.h"

#include "native_login_window.h"
#include "native_settings_window.h"
#include "start_edition.h"

namespace win32 {

NativeHandOver::NativeHandOver(camera::CameraLibrary& camera,
                               window_logic::MessageBoxes& messageBoxes,
                               window_logic::Session& session, std::filesystem::path languageFile,
                               camera::CameraHold* cameraHold)
    : logged_(camera, change_log::logFile()),
      waitingCamera_(logged_, waitCursor_),
      services_{.camera = waitingCamera_,
                .messageBoxes = messageBoxes,
                .handOver = *this,
                .session = session,
                .languageFile = std::move(languageFile),
                .changeRefusal = [this] { return logged_.failure(); },
                .cameraHold = cameraHold} {}

void NativeHandOver::runLoginWindow(const editions::Edition& edition) {
    // Every change of edition passes here, the first one at start-up.
    window_logic::followEditionCodePage(edition);
    serve(edition);
    NativeLoginWindow window(edition, services_);
    window.run();
}

void NativeHandOver::runSettingsWindow(const editions::Edition& edition) {
    serve(edition);
    NativeSettingsWindow window(edition, services_);
    window.run();
}

void NativeHandOver::serve(const editions::Edition& edition) {
    logged_.serve(edition.model,
                  {.frontEnd = "window", .edition = std::string(edition.language.name)});
}

}  // namespace win32
