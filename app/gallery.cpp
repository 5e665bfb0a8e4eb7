// Renders the ten windows to PNG files, against the emulated camera with every value filled, so
// that their layouts can be reviewed without a camera or a display. The screen is a large one, so
// that no window needs scrolling; QT_SCALE_FACTOR and the like apply as they do to the program.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "edition.h"
#include "library_functions.h"
#include "login_window.h"
#include "settings_window.h"
#include "standalone_services.h"

namespace {

bool save(QWidget& window, const QString& file) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    std::printf("%s%s\n", qPrintable(file), saved ? "" : ": could not be written");
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: qumat_gallery FOLDER\n", stderr);
        return 2;
    }
    QTemporaryDir scratch;
    const QString screens = scratch.filePath(QStringLiteral("screens.json"));
    std::ofstream(screens.toStdString())
        << R"({"screens": [{"name": "gallery", "width": 3840, "height": 2160}]})";
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    QApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "qumat_gallery: cannot create %s\n", argv[1]);
        return 1;
    }
    bool allSaved = true;
    // The library keeps one camera per process, which reads its state file at every call.
    const QString state = scratch.filePath(QStringLiteral("camera.ini"));
    qputenv("K47_CAMERA_STATE", state.toLocal8Bit());
    for (const auto& edition : editions::allEditions()) {
        // The edition's camera model, fresh from the factory.
        std::ofstream(state.toStdString(), std::ios::trunc)
            << (edition.model.usesLongMenuRecord() ? "[Camera]\nModel=stc\n" : "");

        camera::LibraryFunctions camera;
        window_logic::StandaloneServices services(camera,
                                                  scratch.filePath("Language.ini").toStdString());
        ui::FontMeasures fontMeasures;
        ui::Context context{services.services, fontMeasures};

        const QString name = QString::fromUtf8(edition.language.name.data(),
                                               static_cast<qsizetype>(edition.language.name.size()))
                                 .toLower();
        login::LoginWindow loginWindow(edition, context);
        allSaved &= save(loginWindow, folder.filePath(name + "-login.png"));
        settings::SettingsWindow settingsWindow(edition, context);
        allSaved &= save(settingsWindow, folder.filePath(name + "-settings.png"));
    }
    return allSaved ? 0 : 1;
}
