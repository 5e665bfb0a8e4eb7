#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "camera_hold.h"
#include "cli.h"
#include "code_page.h"
#include "command_line.h"
#include "desktop_identity.h"
#include "edition.h"
#include "language_setting.h"
#include "library_functions.h"
#include "qt_message_boxes.h"
#include "session.h"
#include "start_edition.h"
#include "window_hand_over.h"

namespace {

bool hasDisplay(int argc, const char* const argv[]) {
    if (app::choosesDisplay(argc, argv)) {
        return true;
    }
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The commands are qumat's, which runs them without Qt. It replaces this process, so that its
// exit status, streams and signals are the caller's own; argv[0] stays, so that its messages
// name the program the user ran.
[[noreturn]] void handOverToCommandLine(char* argv[]) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string program = (self.parent_path() / "qumat").string();
    if (!error) {
        ::execv(program.c_str(), argv);
        error.assign(errno, std::generic_category());
    }
    std::fprintf(stderr, "qumat_pro: cannot run %s: %s\n", program.c_str(),
                 error.message().c_str());
    std::exit(2);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (cli::hasCommand(std::vector<std::string>(argv + 1, argv + argc))) {
        handOverToCommandLine(argv);
    }
    if (const auto exitCode = app::handleCommandLine(argc, argv, stdout, stderr)) {
        return *exitCode;
    }
    if (const auto refusal = platform::codePageVariableRefusal()) {
        std::fprintf(stderr, "qumat_pro: %s\n", refusal->c_str());
        return 2;
    }
    if (!hasDisplay(argc, argv)) {
        std::fputs(
            "qumat_pro: no display found; start it under X (DISPLAY), with xvfb-run, or with "
            "QT_QPA_PLATFORM=vnc and a VNC viewer on port 5900\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    if (const auto exitCode = app::refuseLeftOverArguments(argc, argv, stderr)) {
        return *exitCode;
    }
    application.setApplicationName(QStringLiteral("qumat_pro"));
    app::identifyToDesktop();
    application.setQuitOnLastWindowClosed(false);

    camera::LibraryFunctions camera;
    app::QtMessageBoxes messageBoxes;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    camera::CameraHold cameraHold(camera::cameraLockFile());
    app::WindowHandOver handOver(camera, messageBoxes, session, editions::kLanguageFile,
                                 fontMeasures, &cameraHold);

    const int startEdition = window_logic::chooseStartEdition(editions::kLanguageFile);
    handOver.runLoginWindow(editions::edition(startEdition));
    return 0;
}
