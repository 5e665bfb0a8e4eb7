#include "login_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>

#include "camera_login.h"
#include "dialog_geometry.h"
#include "language_setting.h"
#include "size_remembered.h"
#include "ui_text.h"
#include "usb_scan.h"

namespace login {
namespace {

using app::uiText;

constexpr int kPasswordLength = 6;

}  // namespace

LoginWindow::LoginWindow(const editions::Edition& edition, app::Context& context, QWidget* parent)
    : QDialog(parent), edition_(edition), context_(context) {
    buildLayout();

    const auto& texts = edition_.login;
    userTypeLabel_->setText(uiText(texts.userTypeLabel));
    passwordLabel_->setText(uiText(texts.passwordLabel));
    connectButton_->setText(uiText(texts.connectButton));
    loginButton_->setText(uiText(texts.loginButton));

    passwordEdit_->setMaxLength(kPasswordLength);

    userTypeList_->insertItems(0, app::uiTexts(texts.userTypes));
    userTypeList_->setCurrentIndex(0);

    if (edition_.hasLanguageList) {
        languageLabel_->setText(uiText(texts.languageLabel));
        languageList_->insertItems(0, app::uiTexts(texts.languages));
        languageList_->setCurrentIndex(edition_.index);
        // `activated` follows the user's choices only, the entry already selected included.
        connect(languageList_, &QComboBox::activated, this, &LoginWindow::chooseLanguage);
    } else {
        languageLabel_->hide();
        languageList_->hide();
    }

    // Screen readers announce each field by its label.
    for (QLabel* label : {userTypeLabel_, passwordLabel_, languageLabel_}) {
        label->buddy()->setAccessibleName(label->text());
    }

    connect(connectButton_, &QPushButton::clicked, this, &LoginWindow::connectCamera);
    connect(loginButton_, &QPushButton::clicked, this, &LoginWindow::logIn);

    camera::scanForCameras();
}

void LoginWindow::buildLayout() {
    setObjectName(uiText(edition_.loginWindowClass));
    setWindowTitle(uiText(edition_.title));
    const auto units = app::dialogBaseUnits(*this);
    const QSize size = app::dialogPixels(edition_.loginSize, units);
    QWidget* page = app::fixSizeOnScreen(*this, size);

    const QPixmap banner(uiText(edition_.bannerResource));
    banner_ = new QLabel(page);
    banner_->setObjectName(QStringLiteral("bannerPicture"));
    banner_->setPixmap(banner);
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setFixedSize(size.width(), banner.height());
    banner_->setAccessibleName(uiText(edition_.title));

    const auto makeLabel = [page](const char* name) {
        auto* label = new app::CaptionLabel(page);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    userTypeLabel_ = makeLabel("userTypeLabel");
    passwordLabel_ = makeLabel("passwordLabel");
    languageLabel_ = makeLabel("languageLabel");

    userTypeList_ = new app::CaptionList(page);
    userTypeList_->setObjectName(QStringLiteral("userTypeList"));
    passwordEdit_ = new QLineEdit(page);
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    languageList_ = new app::CaptionList(page);
    languageList_->setObjectName(QStringLiteral("languageList"));

    connectButton_ = new app::CaptionButton(page);
    connectButton_->setObjectName(QStringLiteral("connectButton"));
    connectButton_->setDefault(true);
    loginButton_ = new app::CaptionButton(page);
    loginButton_->setObjectName(QStringLiteral("loginButton"));

    // One grid below the banner: the labelled rows, room, and the buttons at either side.
    auto* rows = new QGridLayout;
    rows->setContentsMargins(
        editions::horizontalPixels(16, units), editions::verticalPixels(5, units),
        editions::horizontalPixels(16, units), editions::verticalPixels(7, units));
    rows->setHorizontalSpacing(editions::horizontalPixels(4, units));
    rows->setColumnStretch(1, 1);
    const std::array<std::pair<QLabel*, QWidget*>, 3> pairs{{{userTypeLabel_, userTypeList_},
                                                             {passwordLabel_, passwordEdit_},
                                                             {languageLabel_, languageList_}}};
    for (int row = 0; row < static_cast<int>(pairs.size()); ++row) {
        const auto [label, field] = pairs[static_cast<std::size_t>(row)];
        label->setBuddy(field);
        rows->addWidget(label, row, 0);
        rows->addWidget(field, row, 1);
    }

    const int buttonRow = static_cast<int>(pairs.size()) + 1;
    rows->setRowStretch(buttonRow - 1, 1);
    rows->addWidget(connectButton_, buttonRow, 0, Qt::AlignLeft);
    rows->addWidget(loginButton_, buttonRow, 1, Qt::AlignRight);

    auto* window = new QVBoxLayout(page);
    // The window's size is fixed: the layout need not work out the smallest and largest it may be.
    window->setSizeConstraint(QLayout::SetNoConstraint);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(banner_);
    window->addLayout(rows);
}

app::MessageBoxButton LoginWindow::showMessage(std::string_view message) {
    return context_.messageBoxes.show(uiText(message), uiText(edition_.login.caption),
                                      app::MessageBoxStyle::WarningOk);
}

void LoginWindow::connectCamera() {
    if (camera::CameraLogin(context_.camera, context_.session).connect()) {
        connectButton_->setText(uiText(edition_.login.connectedButton));
        return;
    }
    if (edition_.relabelsConnectFailBox) {
        context_.messageBoxes.relabelNextBox();
    }
    showMessage(edition_.login.connectFail);
}

void LoginWindow::logIn() {
    const auto& texts = edition_.login;
    if (context_.session.connected == 0) {
        showMessage(texts.connectDeviceFirst);
        return;
    }

    camera::CameraLogin login(context_.camera, context_.session);
    const QString password = passwordEdit_->text();
    bool loggedIn = false;
    if (password.size() == kPasswordLength) {
        loggedIn = login.logIn(password.toStdU16String());
    } else {
        showMessage(texts.wrongPasswordLength);
    }
    if (!loggedIn) {
        showMessage(texts.wrongPassword);
        return;
    }
    if (showMessage(texts.loginSuccessful) != app::MessageBoxButton::Ok) {
        return;
    }

    const auto deviceKind = login.learnDeviceKind();
    if (edition_.keepsUserType) {
        context_.session.userType = userTypeList_->currentIndex();
    }
    if (!deviceKind) {
        showMessage(editions::kProtocolNotRight);
        return;
    }

    done(QDialog::Accepted);
    context_.handOver.runSettingsWindow(edition_);
}

void LoginWindow::chooseLanguage(int position) {
    // A file that cannot be written does not stop the switch.
    editions::writeLanguageSetting(context_.languageFile, std::to_string(position));
    if (position == edition_.index) {
        return;
    }
    done(QDialog::Accepted);
    context_.handOver.runLoginWindow(editions::edition(position));
}

}  // namespace login
