#include "window_hand_over.h"

#include "login_window.h"
#include "settings_window.h"
#include "start_edition.h"

namespace app {

WindowHandOver::WindowHandOver(camera::CameraLibrary& camera, ui::MessageBoxes& messageBoxes,
                               camera::Session& session, std::filesystem::path languageFile,
                               ui::MeasuredSizes& measuredSizes)
    : busyCamera_(camera, busyCursor_),
      context_{busyCamera_, messageBoxes, *this, session, std::move(languageFile), measuredSizes} {}

void WindowHandOver::runLoginWindow(const editions::Edition& edition) {
    // Every change of edition passes here, the first one at start-up.
    followEditionCodePage(edition);
    login::LoginWindow window(edition, context_);
    window.exec();
}

void WindowHandOver::runSettingsWindow(const editions::Edition& edition) {
    settings::SettingsWindow window(edition, context_);
    window.exec();
}

}  // namespace app
