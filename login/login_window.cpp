#include "login_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "dialog_geometry.h"
#include "size_remembered.h"
#include "ui_text.h"

namespace login {

using ui::uiText;

LoginWindow::LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent)
    : QDialog(parent), edition_(edition), context_(context), controls_(*this) {
    buildLayout();

    const auto& texts = edition_.language.login;
    userTypeLabel_->setText(uiText(texts.userTypeLabel));
    passwordLabel_->setText(uiText(texts.passwordLabel));
    connectButton_->setText(uiText(texts.connectButton));
    loginButton_->setText(uiText(texts.loginButton));
    if (edition_.language.hasLanguageList) {
        languageLabel_->setText(uiText(texts.languageLabel));
    } else {
        languageLabel_->hide();
        languageList_->hide();
    }
    // Screen readers announce each field by its label.
    for (const auto& [label, field] : rows()) {
        field->setAccessibleName(label->text());
    }

    using window_logic::LoginControl;
    controls_.add(LoginControl::userTypeList, userTypeList_);
    controls_.add(LoginControl::passwordEdit, passwordEdit_);
    controls_.add(LoginControl::languageList, languageList_);
    controls_.add(LoginControl::connectButton, connectButton_);
    controls_.add(LoginControl::loginButton, loginButton_);
    logic_.emplace(edition, context, controls_);

    // `activated` follows the user's choices only, the entry already selected included.
    connect(languageList_, &QComboBox::activated, this,
            [this](int position) { logic_->chooseLanguage(position); });
    connect(connectButton_, &QPushButton::clicked, this, [this] { logic_->connect(); });
    connect(loginButton_, &QPushButton::clicked, this, [this] { logic_->logIn(); });
    placeControls();
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

}  // namespace login
