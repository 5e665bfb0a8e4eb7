// The desktop recognises the program's windows: they belong to the desktop entry the package
// installs, and show the program's icon, the theme's where it has one.
#include "desktop_identity.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <filesystem>

#include "temporary_directory.h"

namespace {

TEST(DesktopIdentityTest, WindowsBelongToTheInstalledDesktopEntry) {
    app::identifyToDesktop();
    const QString entry = QGuiApplication::desktopFileName();
    EXPECT_EQ(entry, QStringLiteral("qumat_pro"));
    // The entry the package installs under that name, made from this source.
    EXPECT_TRUE(QFile::exists(QStringLiteral(QUMAT_SOURCE_DIR "/packaging/") + entry +
                              QStringLiteral(".desktop.in")));
}

TEST(DesktopIdentityTest, WindowsShowTheThemesIconElseTheBuiltInOne) {
    const QColor themes = Qt::red;
    const QColor lens(0x4f, 0xa3, 0xe0);
    for (const bool themeHasIcon : {true, false}) {
        SCOPED_TRACE(themeHasIcon);
        testing_support::TemporaryDirectory themeFolder;
        const auto apps = themeFolder / "hicolor" / "32x32" / "apps";
        std::filesystem::create_directories(apps);
        QFile index(QString::fromStdString((themeFolder / "hicolor" / "index.theme").string()));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write(
            "[Icon Theme]\nName=hicolor\nDirectories=32x32/apps\n\n"
            "[32x32/apps]\nSize=32\nType=Fixed\n");
        index.close();
        if (themeHasIcon) {
            QImage picture(32, 32, QImage::Format_ARGB32);
            picture.fill(themes);
            ASSERT_TRUE(picture.save(QString::fromStdString((apps / "qumat_pro.png").string())));
        }
        QIcon::setThemeSearchPaths({QString::fromStdString(themeFolder.path().string())});
        QIcon::setThemeName(QStringLiteral("hicolor"));

        app::identifyToDesktop();
        // A window without an icon of its own shows the program's, drawn.
        const QImage shown = QDialog().windowIcon().pixmap(32, 32).toImage();
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown.pixelColor(16, 16), themeHasIcon ? themes : lens);
    }
}

}  // namespace
