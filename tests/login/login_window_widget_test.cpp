#include "login_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "edition.h"
#include "test_context.h"
#include "ui_text.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::ElementsAre;
using testing::Invoke;
using testing::SetArgPointee;
using testing_support::RecordingHandOver;

const auto text = &ui::uiText;

class LoginWindowTest : public testing::TestWithParam<int> {
  protected:
    const editions::Edition& edition() const { return editions::edition(GetParam()); }
    const editions::LoginTexts& texts() const { return edition().language.login; }

    login::LoginWindow& open() {
        window_ = std::make_unique<login::LoginWindow>(edition(), services_.context);
        window_->show();
        return *window_;
    }

    template <typename Widget>
    Widget* find(const char* name) const {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void type(const QString& password) {
        QTest::keyClicks(find<QLineEdit>("passwordEdit"), password);
    }

    void cameraConnects(int32_t flag) {
        ON_CALL(services_.camera, Init_Device(_, _)).WillByDefault(SetArgPointee<1>(flag));
    }
    void cameraAccepts(int32_t flag, int32_t answer) {
        ON_CALL(services_.camera, Qumat_Login(_, _, _)).WillByDefault(SetArgPointee<2>(flag));
        ON_CALL(services_.camera, Qumat_Get4GDevOrNot(_)).WillByDefault(SetArgPointee<0>(answer));
    }

    QStringList boxTexts() const { return services_.messageBoxes.texts(); }

    QByteArray languageFile() const {
        QFile file(QString::fromStdString(services_.context.languageFile.string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    testing_support::TestContext services_;
    std::unique_ptr<login::LoginWindow> window_;
};

TEST_P(LoginWindowTest, SetUpShowsTheEditionTextsAndSelections) {
    open();
    EXPECT_EQ(window_->windowTitle(), text(edition().title));
    EXPECT_EQ(find<QLabel>("userTypeLabel")->text(), text(texts().userTypeLabel));
    EXPECT_EQ(find<QLabel>("passwordLabel")->text(), text(texts().passwordLabel));
    EXPECT_EQ(find<QPushButton>("connectButton")->text(), text(texts().connectButton));
    EXPECT_EQ(find<QPushButton>("loginButton")->text(), text(texts().loginButton));
    EXPECT_TRUE(find<QPushButton>("connectButton")->isDefault());

    auto* userTypes = find<QComboBox>("userTypeList");
    ASSERT_EQ(userTypes->count(), 2);
    EXPECT_EQ(userTypes->itemText(0), text(texts().userTypes[0]));
    EXPECT_EQ(userTypes->itemText(1), text(texts().userTypes[1]));
    EXPECT_EQ(userTypes->currentIndex(), 0);

    auto* languages = find<QComboBox>("languageList");
    if (edition().language.hasLanguageList) {
        ASSERT_EQ(languages->count(), 4);
        for (int position = 0; position < 4; ++position) {
            EXPECT_EQ(languages->itemText(position), text(texts().languages[position]));
        }
        EXPECT_EQ(languages->currentIndex(), edition().index);
        EXPECT_TRUE(languages->isVisible());
    } else {
        EXPECT_EQ(languages->count(), 0);
        EXPECT_FALSE(languages->isVisible());
        EXPECT_FALSE(find<QLabel>("languageLabel")->isVisible());
    }

    const QPixmap banner = find<QLabel>("bannerPicture")->pixmap();
    EXPECT_EQ(banner.size(),
              edition().language.hasLanguageList ? QSize(481, 132) : QSize(600, 100));
}

TEST_P(LoginWindowTest, FieldsAreNamedByTheirLabelsForScreenReaders) {
    open();
    EXPECT_EQ(find<QLabel>("passwordLabel")->buddy(), find<QLineEdit>("passwordEdit"));
    EXPECT_EQ(find<QLabel>("userTypeLabel")->buddy(), find<QComboBox>("userTypeList"));
    EXPECT_EQ(find<QLabel>("languageLabel")->buddy(), find<QComboBox>("languageList"));
    EXPECT_EQ(find<QLineEdit>("passwordEdit")->accessibleName(), text(texts().passwordLabel));
    EXPECT_EQ(find<QComboBox>("userTypeList")->accessibleName(), text(texts().userTypeLabel));
}

TEST_P(LoginWindowTest, PasswordTypingStopsAtSixCharactersShownAsTyped) {
    open();
    type(QStringLiteral("12345678"));
    auto* password = find<QLineEdit>("passwordEdit");
    EXPECT_EQ(password->text(), QStringLiteral("123456"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Normal);
}

TEST_P(LoginWindowTest, SuccessfulConnectRelabelsTheButtonSilently) {
    cameraConnects(1);
    open();
    EXPECT_CALL(services_.camera, Init_Device(_, _)).Times(2);
    click("connectButton");
    click("connectButton");
    EXPECT_EQ(find<QPushButton>("connectButton")->text(), text(texts().connectedButton));
    EXPECT_EQ(services_.session.connected, 1);
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_P(LoginWindowTest, FailedConnectIsReportedAndRelabelledOutsideEnglishEveryTime) {
    cameraConnects(0);
    open();
    click("connectButton");
    click("connectButton");
    const auto& boxes = services_.messageBoxes.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, text(texts().connectFail));
        EXPECT_EQ(box.caption, text(texts().caption));
        EXPECT_EQ(box.style, window_logic::MessageBoxStyle::WarningOk);
        EXPECT_EQ(box.relabelled, GetParam() != editions::kEnglish);
    }
    EXPECT_EQ(find<QPushButton>("connectButton")->text(), text(texts().connectButton));
}

TEST_P(LoginWindowTest, FailedConnectAfterASuccessKeepsTheCaptionButForbidsLogin) {
    open();
    EXPECT_CALL(services_.camera, Init_Device(_, _))
        .WillOnce(SetArgPointee<1>(1))
        .WillOnce(SetArgPointee<1>(0));
    EXPECT_CALL(services_.camera, Qumat_Login(_, _, _)).Times(0);
    click("connectButton");
    click("connectButton");
    EXPECT_EQ(find<QPushButton>("connectButton")->text(), text(texts().connectedButton));
    EXPECT_EQ(services_.session.connected, 0);

    type(QStringLiteral("000000"));
    click("loginButton");
    EXPECT_EQ(boxTexts(),
              QStringList({text(texts().connectFail), text(texts().connectDeviceFirst)}));
}

TEST_P(LoginWindowTest, WrongLengthShowsTwoBoxesWithoutCallingTheCamera) {
    services_.session.connected = 1;
    open();
    EXPECT_CALL(services_.camera, Qumat_Login(_, _, _)).Times(0);
    type(QStringLiteral("12345"));
    click("loginButton");
    EXPECT_EQ(boxTexts(),
              QStringList({text(texts().wrongPasswordLength), text(texts().wrongPassword)}));
    EXPECT_TRUE(services_.handOver.runs().empty());
}

TEST_P(LoginWindowTest, RejectedPasswordIsReportedAndItsBytesAreKept) {
    services_.session.connected = 1;
    cameraAccepts(0, 1);
    open();
    type(QStringLiteral("123456"));
    click("loginButton");
    EXPECT_EQ(boxTexts(), QStringList({text(texts().wrongPassword)}));
    EXPECT_STREQ(services_.session.loginPassword.data(), "123456");
    EXPECT_TRUE(services_.handOver.runs().empty());
}

TEST_P(LoginWindowTest, AcceptedPasswordHandsOverToTheSameEditionsSettingsWindow) {
    services_.session.connected = 1;
    cameraAccepts(1, 3);
    open();
    EXPECT_CALL(services_.camera, Qumat_Login(0, testing::StrEq("000000"), _));
    type(QStringLiteral("000000"));
    click("loginButton");
    EXPECT_EQ(boxTexts(), QStringList({text(texts().loginSuccessful)}));
    EXPECT_EQ(services_.session.deviceKind, 2);
    ASSERT_EQ(services_.handOver.runs().size(), 1u);
    EXPECT_EQ(services_.handOver.runs()[0].window, RecordingHandOver::Window::Settings);
    EXPECT_EQ(services_.handOver.runs()[0].edition, GetParam());
    EXPECT_FALSE(window_->isVisible());
}

TEST_P(LoginWindowTest, PasswordIsSentInTheAnsiCodePageWithMissingCharactersSubstituted) {
    services_.session.connected = 1;
    open();
    std::string sent;
    EXPECT_CALL(services_.camera, Qumat_Login(0, _, _))
        .Times(2)
        .WillRepeatedly([&sent](int32_t, const char* password, int32_t*) { sent = password; });

    qputenv("QUMAT_ANSI_CODE_PAGE", "1251");
    // Typed as if pasted: the test keyboard knows only ASCII keys.
    find<QLineEdit>("passwordEdit")->insert(QStringLiteral("пароль"));
    click("loginButton");
    EXPECT_EQ(sent, "\xEF\xE0\xF0\xEE\xEB\xFC");
    EXPECT_EQ(std::string(services_.session.loginPassword.data()), sent);

    qputenv("QUMAT_ANSI_CODE_PAGE", "1252");
    click("loginButton");
    qunsetenv("QUMAT_ANSI_CODE_PAGE");
    EXPECT_EQ(sent, "??????");
    EXPECT_STREQ(services_.session.loginPassword.data(), "??????");
}

TEST_P(LoginWindowTest, UnknownDeviceAnswerKeepsTheWindowOpen) {
    services_.session.connected = 1;
    services_.session.deviceKind = 1;
    cameraAccepts(1, 4);
    open();
    type(QStringLiteral("000000"));
    click("loginButton");
    EXPECT_EQ(boxTexts(), QStringList({text(texts().loginSuccessful), "Protocol Not Right!"}));
    EXPECT_EQ(services_.messageBoxes.boxes().back().caption, text(texts().caption));
    EXPECT_EQ(services_.session.deviceKind, 1);
    EXPECT_TRUE(services_.handOver.runs().empty());
    EXPECT_TRUE(window_->isVisible());
}

TEST_P(LoginWindowTest, UserTypeIsKeptOnlyWhereTheEditionPassesItOn) {
    services_.session.connected = 1;
    cameraAccepts(1, 1);
    open();
    find<QComboBox>("userTypeList")->setCurrentIndex(1);
    type(QStringLiteral("111111"));
    EXPECT_CALL(services_.camera, Qumat_Login(0, _, _));
    click("loginButton");
    EXPECT_EQ(services_.session.userType, edition().language.keepsUserType ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Editions, LoginWindowTest, testing::Range(0, 5));

class LanguageSwitchTest : public LoginWindowTest {};

TEST_P(LanguageSwitchTest, ChoosingAnotherEditionStoresItAndOpensItsLoginWindow) {
    QFile file(QString::fromStdString(services_.context.languageFile.string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Configuration]\r\nLanguage=1\r\n{legend}\r\n");
    file.close();
    open();
    const int target = (GetParam() + 1) % 4;
    emit find<QComboBox>("languageList")->activated(target);
    EXPECT_EQ(languageFile(), QByteArray("[Configuration]\r\nLanguage=") +
                                  QByteArray::number(target) + "\r\n{legend}\r\n");
    ASSERT_EQ(services_.handOver.runs().size(), 1u);
    EXPECT_EQ(services_.handOver.runs()[0].window, RecordingHandOver::Window::Login);
    EXPECT_EQ(services_.handOver.runs()[0].edition, target);
    EXPECT_FALSE(window_->isVisible());
}

TEST_P(LanguageSwitchTest, ChoosingTheOwnEditionRewritesTheFileAndStays) {
    open();
    emit find<QComboBox>("languageList")->activated(GetParam());
    EXPECT_EQ(languageFile(),
              QByteArray("[Configuration]\r\nLanguage=") + QByteArray::number(GetParam()) + "\r\n");
    EXPECT_TRUE(services_.handOver.runs().empty());
    EXPECT_TRUE(window_->isVisible());
}

TEST_P(LanguageSwitchTest, UnwritableLanguageFileDoesNotStopTheSwitch) {
    std::filesystem::create_directory(services_.context.languageFile);
    open();
    const int target = (GetParam() + 2) % 4;
    emit find<QComboBox>("languageList")->activated(target);
    ASSERT_EQ(services_.handOver.runs().size(), 1u);
    EXPECT_EQ(services_.handOver.runs()[0].edition, target);
}

TEST_P(LanguageSwitchTest, KeyboardChangeSwitchesAtOnce) {
    open();
    auto* languages = find<QComboBox>("languageList");
    languages->setFocus();
    QTest::keyClick(languages, GetParam() == 3 ? Qt::Key_Up : Qt::Key_Down);
    const int target = GetParam() == 3 ? 2 : GetParam() + 1;
    ASSERT_EQ(services_.handOver.runs().size(), 1u);
    EXPECT_EQ(services_.handOver.runs()[0].edition, target);
}

TEST_P(LanguageSwitchTest, ProgramSelectionDoesNotSwitch) {
    open();
    find<QComboBox>("languageList")->setCurrentIndex((GetParam() + 1) % 4);
    EXPECT_TRUE(services_.handOver.runs().empty());
    EXPECT_TRUE(languageFile().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EditionsWithALanguageList, LanguageSwitchTest, testing::Range(0, 4));

TEST(LoginAfterSwitchTest, ConnectionMadeInAnEarlierWindowStillCounts) {
    testing_support::TestContext services;
    ON_CALL(services.camera, Init_Device(_, _)).WillByDefault(SetArgPointee<1>(1));
    ON_CALL(services.camera, Qumat_Login(_, _, _)).WillByDefault(SetArgPointee<2>(1));
    ON_CALL(services.camera, Qumat_Get4GDevOrNot(_)).WillByDefault(SetArgPointee<0>(1));
    {
        login::LoginWindow english(editions::edition(editions::kEnglish), services.context);
        QTest::mouseClick(english.findChild<QPushButton*>("connectButton"), Qt::LeftButton);
        emit english.findChild<QComboBox*>("languageList")->activated(editions::kFrench);
    }
    login::LoginWindow french(editions::edition(editions::kFrench), services.context);
    EXPECT_EQ(french.findChild<QPushButton*>("connectButton")->text(), "Connecter");
    QTest::keyClicks(french.findChild<QLineEdit*>("passwordEdit"), "000000");
    QTest::mouseClick(french.findChild<QPushButton*>("loginButton"), Qt::LeftButton);
    EXPECT_EQ(services.messageBoxes.texts(), QStringList({"Identification reussie"}));
    ASSERT_EQ(services.handOver.runs().size(), 2u);
    EXPECT_EQ(services.handOver.runs()[1].window, RecordingHandOver::Window::Settings);
}

}  // namespace
