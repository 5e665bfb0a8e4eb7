// One process for the memory benchmark: the program's settings window opened as after a login,
// on the emulated camera, or a bare dialog of the same widgets. Exits once the window has shown.
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <array>
#include <cstring>

#include "edition.h"
#include "hand_over.h"
#include "library_functions.h"
#include "message_boxes.h"
#include "session.h"
#include "settings_window.h"
#include "widget_census.h"

namespace {

class NoBoxes final : public app::MessageBoxes {
  public:
    app::MessageBoxButton show(const QString&, const QString&, app::MessageBoxStyle) override {
        return app::MessageBoxButton::Ok;
    }
    void relabelNextBox() override {}
};

class NoHandOver final : public app::HandOver {
  public:
    void runLoginWindow(const editions::Edition&) override {}
    void runSettingsWindow(const editions::Edition&) override {}
};

void showOnce(QDialog& window) {
    window.show();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    NoBoxes boxes;
    NoHandOver handOver;
    camera::Session session;
    session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
    app::Context context{camera, boxes, handOver, session,
                         scratch.filePath(QStringLiteral("Language.ini")).toStdString()};
    std::array<uint8_t, 6> buffer{};
    int32_t flag = 0;
    camera.Init_Device(buffer.data(), &flag);
    camera.Qumat_Login(0, session.loginPassword.data(), &flag);
    settings::SettingsWindow window(editions::edition(editions::kEnglish), context);
    showOnce(window);
    return flag == 1 ? 0 : 1;
}
