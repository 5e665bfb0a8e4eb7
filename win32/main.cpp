// qumat_pro.exe: the windows over the camera library, natively on Windows.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "camera_hold.h"
#include "code_page.h"
#include "language_setting.h"
#include "library_functions.h"
#include "native_hand_over.h"
#include "native_message_boxes.h"
#include "start_edition.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    win32::NativeMessageBoxes messageBoxes;
    // The window program has no console to say it on.
    if (const auto refusal = platform::codePageVariableRefusal()) {
        messageBoxes.show(*refusal, "qumat_pro", window_logic::MessageBoxStyle::WarningOk);
        return 2;
    }
    camera::LibraryFunctions camera;
    // Without the camera maker's library no window could reach a camera: say which file it needs.
    if (const std::string failure = camera.load(); !failure.empty()) {
        messageBoxes.show(failure, "qumat_pro", window_logic::MessageBoxStyle::WarningOk);
        return 2;
    }
    window_logic::Session session;
    camera::CameraHold cameraHold(camera::cameraLockFile());
    win32::NativeHandOver handOver(camera, messageBoxes, session, editions::kLanguageFile,
                                   &cameraHold);
    handOver.runLoginWindow(
        editions::edition(window_logic::chooseStartEdition(editions::kLanguageFile)));
    return 0;
}
