// Where the locale names no language, the running edition chooses the code page of the camera's
// texts; a locale that names one, and the override, still win.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "code_page.h"
#include "edition.h"
#include "mock_camera_library.h"
#include "scripted_message_boxes.h"
#include "temporary_directory.h"
#include "window_hand_over.h"

namespace {

TEST(EditionCodePageTest, LocaleWithoutLanguageLeavesTheChoiceToTheEdition) {
    testing::NiceMock<testing_support::MockCameraLibrary> camera;
    testing_support::ScriptedMessageBoxes messageBoxes;
    window_logic::Session session;
    testing_support::TemporaryDirectory directory;
    ui::FontMeasures fontMeasures;
    app::WindowHandOver handOver(camera, messageBoxes, session, directory / "Language.ini",
                                 fontMeasures);
    const struct {
        const char* override;
        const char* lcAll;
        const char* lang;
        int edition;
        int codePage;
    } cases[] = {
        {"", "", "", editions::kRussian, 1251},
        {"", "", "", editions::kEnglish, 1252},
        {"", "C", "ru_RU.UTF-8", editions::kRussian, 1251},
        {"", "", "C.UTF-8", editions::kRussian, 1251},
        {"", "POSIX", "", editions::kFrench, 1252},
        {"", "en_US.UTF-8", "", editions::kRussian, 1252},
        {"", "", "uk_UA.UTF-8", editions::kSpanish, 1251},
        {"1252", "C", "", editions::kRussian, 1252},
        {"936", "", "", editions::kRussian, 936},
    };
    for (const auto& test : cases) {
        setenv("QUMAT_ANSI_CODE_PAGE", test.override, 1);
        setenv("LC_ALL", test.lcAll, 1);
        unsetenv("LC_CTYPE");
        setenv("LANG", test.lang, 1);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        handOver.runLoginWindow(editions::edition(test.edition));
        EXPECT_EQ(static_cast<int>(platform::ansiCodePage()), test.codePage)
            << test.override << "|" << test.lcAll << "|" << test.lang << "|" << test.edition;
    }
}

}  // namespace
