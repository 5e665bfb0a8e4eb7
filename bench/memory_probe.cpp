// One process for the memory benchmark: the program's settings window opened as after a login,
// on the emulated camera, or a bare dialog of the same widgets. Exits once the window has shown.
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <cstring>

#include "edition.h"
#include "library_functions.h"
#include "settings_window.h"
#include "standalone_services.h"
#include "widget_census.h"

namespace {

void showOnce(QDialog& window) {
    window.show();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
    // The benchmark's screen when it runs the probe.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        const auto dialog =
            WidgetCensus::fromArguments(application.arguments().mid(2)).bareDialog();
        showOnce(*dialog);
        return 0;
    }
    QTemporaryDir scratch;
    qputenv("K47_CAMERA_STATE", scratch.filePath(QStringLiteral("camera.ini")).toLocal8Bit());
    camera::LibraryFunctions camera;
    window_logic::StandaloneServices services(
        camera, scratch.filePath(QStringLiteral("Language.ini")).toStdString());
    ui::FontMeasures fontMeasures;
    ui::Context context{services.services, fontMeasures};
    settings::SettingsWindow window(editions::edition(editions::kEnglish), context);
    showOnce(window);
    return services.loggedIn ? 0 : 1;
}
