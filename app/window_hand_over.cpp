#include "window_hand_over.h"

#include "login_window.h"
#include "settings_window.h"
#include "start_edition.h"

namespace app {

WindowHandOver::WindowHandOver(camera::CameraLibrary& camera,
                               window_logic::MessageBoxes& messageBoxes,
                               window_logic::Session& session, std::filesystem::path languageFile,
                               ui::FontMeasures& fontMeasures, camera::CameraHold* cameraHold)
    : logged_(camera, change_log::logFile()),
      busyCamera_(logged_, busyCursor_),
      context_{{.camera = busyCamera_,
                .messageBoxes = messageBoxes,
                .handOver = *this,
                .session = session,
                .languageFile = std::move(languageFile),
                .changeRefusal = [this] { return logged_.failure(); },
                .cameraHold = cameraHold},
               fontMeasures} {}

void WindowHandOver::runLoginWindow(const editions::Edition& edition) {
    // Every change of edition passes here, the first one at start-up.
    window_logic::followEditionCodePage(edition);
    serve(edition);
    login::LoginWindow window(edition, context_);
    window.exec();
}

void WindowHandOver::runSettingsWindow(const editions::Edition& edition) {
    serve(edition);
    settings::SettingsWindow window(edition, context_);
    window.exec();
}

void WindowHandOver::serve(const editions::Edition& edition) {
    logged_.serve(edition.model,
                  {.frontEnd = "window", .edition = std::string(edition.language.name)});
}

}  // namespace app
