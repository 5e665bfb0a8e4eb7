// On a screen of twice the density the login window's banner keeps its size and every pixel of
// its picture drawn at twice the size, instead of the small one stretched.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPixmap>

#include "edition.h"
#include "login_window.h"
#include "test_context.h"

namespace {

// Set before main, so that the test's QApplication draws everything at twice the scale.
[[maybe_unused]] const bool kTwiceTheScale = qputenv("QT_SCALE_FACTOR", "2");

class LoginBannerTest : public testing::TestWithParam<int> {};

TEST_P(LoginBannerTest, BannerIsDrawnFromItsPictureAtTwiceTheSize) {
    const editions::Edition& edition = editions::edition(GetParam());
    testing_support::TestContext services;
    login::LoginWindow window(edition, services.context);
    const QPixmap banner = window.findChild<QLabel*>(QStringLiteral("bannerPicture"))->pixmap();
    EXPECT_EQ(banner.devicePixelRatio(), 2);
    EXPECT_EQ(banner.deviceIndependentSize(),
              edition.language.hasLanguageList ? QSizeF(481, 132) : QSizeF(600, 100));
}

INSTANTIATE_TEST_SUITE_P(Editions, LoginBannerTest, testing::Range(0, 5));

}  // namespace
