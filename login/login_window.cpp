#include "login_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
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

using ui::uiText;

constexpr int kPasswordLength = 6;

}  // namespace

LoginWindow::LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent)
    : QDialog(parent), edition_(edition), context_(context) {
    buildLayout();

    const auto& texts = edition_.language.login;
    userTypeLabel_->setText(uiText(texts.userTypeLabel));
    passwordLabel_->setText(uiText(texts.passwordLabel));
    connectButton_->setText(uiText(texts.connectButton));
    loginButton_->setText(uiText(texts.loginButton));

    passwordEdit_->setMaxLength(kPasswordLength);

    userTypeList_->insertItems(0, ui::uiTexts(texts.userTypes));
    userTypeList_->setCurrentIndex(0);

    if (edition_.language.hasLanguageList) {
        languageLabel_->setText(uiText(texts.languageLabel));
        languageList_->insertItems(0, ui::uiTexts(texts.languages));
        languageList_->setCurrentIndex(edition_.index);
        // `activated` follows the user's choices only, the entry already selected included.
        connect(languageList_, &QComboBox::activated, this, &LoginWindow::chooseLanguage);
    } else {
        languageLabel_->hide();
        languageList_->hide();
    }

    // Screen readers announce each field by its label.
    for (const auto& [label, field] : rows()) {
        field->setAccessibleName(label->text());
    }

    connect(connectButton_, &QPushButton::clicked, this, &LoginWindow::connectCamera);
    connect(loginButton_, &QPushButton::clicked, this, &LoginWindow::logIn);
    placeControls();

    camera::scanForCameras();
}

void LoginWindow::buildLayout() {
    setObjectName(uiText(edition_.loginWindowClass));
    setWindowTitle(uiText(edition_.title));
    units_ = ui::dialogBaseUnits(*this);
    const QSize size = ui::dialogPixels(edition_.language.loginSize, units_);
    QWidget* page = ui::fixSizeOnScreen(*this, size);

    const QPixmap banner(uiText(edition_.language.bannerResource));
    banner_ = new QLabel(page);
    banner_->setObjectName(QStringLiteral("bannerPicture"));
    banner_->setPixmap(banner);
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setGeometry(0, 0, size.width(), banner.height());
    banner_->setAccessibleName(uiText(edition_.title));

    ui::MeasuredSizes& sizes = context_.measuredSizes;
    const auto makeLabel = [page, &sizes](const char* name) {
        auto* label = new ui::CaptionLabel(sizes, page);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    userTypeLabel_ = makeLabel("userTypeLabel");
    passwordLabel_ = makeLabel("passwordLabel");
    languageLabel_ = makeLabel("languageLabel");

    userTypeList_ = new ui::CaptionList(sizes, page);
    userTypeList_->setObjectName(QStringLiteral("userTypeList"));
    passwordEdit_ = new QLineEdit(page);
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    languageList_ = new ui::CaptionList(sizes, page);
    languageList_->setObjectName(QStringLiteral("languageList"));

    connectButton_ = new ui::CaptionButton(sizes, page);
    connectButton_->setObjectName(QStringLiteral("connectButton"));
    connectButton_->setDefault(true);
    loginButton_ = new ui::CaptionButton(sizes, page);
    loginButton_->setObjectName(QStringLiteral("loginButton"));
    for (const auto& [label, field] : rows()) {
        label->setBuddy(field);
    }
}

std::array<std::pair<QLabel*, QWidget*>, 3> LoginWindow::rows() const {
    return {{{userTypeLabel_, userTypeList_},
             {passwordLabel_, passwordEdit_},
             {languageLabel_, languageList_}}};
}

// The labelled rows below the banner, the Connect button at the bottom left and the Login button
// at the bottom right. Placed by hand once the texts are in: a fixed window of four rows needs no
// layout, which would cost more than making the window's widgets.
void LoginWindow::placeControls() {
    const auto across = [this](int dialogUnits) {
        return editions::horizontalPixels(dialogUnits, units_);
    };
    const auto down = [this](int dialogUnits) {
        return editions::verticalPixels(dialogUnits, units_);
    };
    const QWidget* page = banner_->parentWidget();
    const int left = across(16);
    const int right = page->width() - left;

    int labelWidth = 0;
    for (const auto& [label, field] : rows()) {
        if (!label->isHidden()) {
            labelWidth = std::max(labelWidth, label->sizeHint().width());
        }
    }
    const int fieldLeft = left + labelWidth + across(4);
    int top = banner_->height() + down(5);
    for (const auto& [label, field] : rows()) {
        if (label->isHidden()) {
            continue;
        }
        const int fieldHeight = field->sizeHint().height();
        const int height = std::max(label->sizeHint().height(), fieldHeight);
        label->setGeometry(left, top, labelWidth, height);
        field->setGeometry(fieldLeft, top + (height - fieldHeight) / 2, right - fieldLeft,
                           fieldHeight);
        top += height + down(2);
    }

    const int bottom = page->height() - down(7);
    const QSize connect = connectButton_->sizeHint();
    connectButton_->setGeometry(left, bottom - connect.height(), connect.width(), connect.height());
    const QSize login = loginButton_->sizeHint();
    loginButton_->setGeometry(right - login.width(), bottom - login.height(), login.width(),
                              login.height());
}

ui::MessageBoxButton LoginWindow::showMessage(std::string_view message) {
    return context_.messageBoxes.show(uiText(message), uiText(edition_.language.login.caption),
                                      ui::MessageBoxStyle::WarningOk);
}

void LoginWindow::connectCamera() {
    if (camera::CameraLogin(context_.camera, context_.session).connect()) {
        connectButton_->setText(uiText(edition_.language.login.connectedButton));
        // Anchored at the left, the button grows or shrinks to its new text.
        connectButton_->resize(connectButton_->sizeHint());
        return;
    }
    if (edition_.language.relabelsConnectFailBox) {
        context_.messageBoxes.relabelNextBox();
    }
    showMessage(edition_.language.login.connectFail);
}

void LoginWindow::logIn() {
    const auto& texts = edition_.language.login;
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
    if (showMessage(texts.loginSuccessful) != ui::MessageBoxButton::Ok) {
        return;
    }

    const auto deviceKind = login.learnDeviceKind();
    if (edition_.language.keepsUserType) {
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
