#include "login_logic.h"

#include <string>

#include "camera_login.h"
#include "language_setting.h"
#include "usb_scan.h"
#include "utf8.h"

namespace window_logic {
namespace {

constexpr std::size_t kPasswordLength = 6;

}  // namespace

LoginLogic::LoginLogic(const editions::Edition& edition, Services& services,
                       WindowControls& controls)
    : edition_(edition), services_(services), controls_(controls) {
    const auto& texts = edition.language.login;
    controls_.limitTyping(LoginControl::passwordEdit, static_cast<int>(kPasswordLength));
    controls_.setEntries(LoginControl::userTypeList, texts.userTypes);
    controls_.select(LoginControl::userTypeList, 0);
    if (edition.language.hasLanguageList) {
        controls_.setEntries(LoginControl::languageList, texts.languages);
        controls_.select(LoginControl::languageList, edition.index);
    }
    camera::scanForCameras();
}

MessageBoxButton LoginLogic::showMessage(std::string_view text) {
    return services_.messageBoxes.show(text, edition_.language.login.caption,
                                       MessageBoxStyle::WarningOk);
}

void LoginLogic::connect() {
    // A camera another program holds fails Connect as one that does not answer: it serves one
    // program at a time.
    auto* hold = services_.cameraHold;
    const bool ours = hold == nullptr || !hold->take(std::chrono::milliseconds(0));
    if (ours && camera::CameraLogin(services_.camera, services_.session).connect()) {
        controls_.setText(LoginControl::connectButton, edition_.language.login.connectedButton);
        return;
    }
    if (hold != nullptr) {
        hold->release();
    }
    if (edition_.language.relabelsConnectFailBox) {
        services_.messageBoxes.relabelNextBox();
    }
    showMessage(edition_.language.login.connectFail);
}

void LoginLogic::logIn() {
    const auto& texts = edition_.language.login;
    if (services_.session.connected == 0) {
        showMessage(texts.connectDeviceFirst);
        return;
    }

    camera::CameraLogin login(services_.camera, services_.session);
    const auto password =
        platform::fromUtf8(controls_.text(LoginControl::passwordEdit)).value_or(std::u16string());
    bool loggedIn = false;
    if (password.size() == kPasswordLength) {
        loggedIn = login.logIn(password);
    } else {
        showMessage(texts.wrongPasswordLength);
    }
    if (!loggedIn) {
        showMessage(texts.wrongPassword);
        return;
    }
    if (showMessage(texts.loginSuccessful) != MessageBoxButton::Ok) {
        return;
    }

    const auto deviceKind = login.learnDeviceKind();
    if (edition_.language.keepsUserType) {
        services_.session.userType = controls_.selection(LoginControl::userTypeList);
    }
    if (!deviceKind) {
        showMessage(editions::kProtocolNotRight);
        return;
    }

    controls_.endWindow();
    services_.handOver.runSettingsWindow(edition_);
}

void LoginLogic::chooseLanguage(int position) {
    // A file that cannot be written does not stop the switch.
    editions::writeLanguageSetting(services_.languageFile, std::to_string(position));
    if (position == edition_.index) {
        return;
    }
    controls_.endWindow();
    services_.handOver.runLoginWindow(editions::edition(position));
}

}  // namespace window_logic
