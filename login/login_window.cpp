#include "login_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "dialog_geometry.h"
#include "size_remembered.h"
#include "ui_text.h"

namespace login {

using ui::uiText;
using window_logic::LoginControl;

LoginWindow::LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent)
    : QDialog(parent), sizes_(context.measuredSizes), controls_(*this) {
    setObjectName(uiText(edition.loginWindowClass));
    setWindowTitle(uiText(edition.title));
    units_ = ui::dialogBaseUnits(*this);
    const QSize size = ui::dialogPixels(edition.language.loginSize, units_);
    page_ = ui::fixSizeOnScreen(*this, size);

    const QPixmap banner(uiText(edition.language.bannerResource));
    banner_ = new QLabel(page_);
    banner_->setObjectName(QStringLiteral("bannerPicture"));
    banner_->setPixmap(banner);
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setGeometry(0, 0, size.width(), banner.height());
    banner_->setAccessibleName(uiText(edition.title));

    const auto& texts = edition.language.login;
    // Made in tab order.
    addRow(0, "userType", texts.userTypeLabel, new ui::CaptionList(sizes_, page_),
           LoginControl::userTypeList);
    addRow(1, "password", texts.passwordLabel, new QLineEdit(page_), LoginControl::passwordEdit);
    auto* languageList = new ui::CaptionList(sizes_, page_);
    addRow(2, "language", edition.language.hasLanguageList ? texts.languageLabel : "", languageList,
           LoginControl::languageList);
    if (!edition.language.hasLanguageList) {
        rows_[2].first->hide();
        languageList->hide();
    }
    connectButton_ = addButton("connectButton", texts.connectButton, LoginControl::connectButton);
    connectButton_->setDefault(true);
    loginButton_ = addButton("loginButton", texts.loginButton, LoginControl::loginButton);
    logic_.emplace(edition, context, controls_);

    // `activated` follows the user's choices only, the entry already selected included.
    connect(languageList, &QComboBox::activated, this,
            [this](int position) { logic_->chooseLanguage(position); });
    connect(connectButton_, &QPushButton::clicked, this, [this] { logic_->connect(); });
    connect(loginButton_, &QPushButton::clicked, this, [this] { logic_->logIn(); });
    placeControls();
}

void LoginWindow::addRow(std::size_t row, const char* name, std::string_view label, QWidget* field,
                         LoginControl control) {
    auto* caption = new ui::CaptionLabel(sizes_, uiText(label), page_);
    caption->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    const bool list = control != LoginControl::passwordEdit;
    field->setObjectName(QString::fromLatin1(name) +
                         (list ? QStringLiteral("List") : QStringLiteral("Edit")));
    // Screen readers announce each field by its label.
    caption->setBuddy(field);
    field->setAccessibleName(caption->text());
    controls_.add(control, field);
    rows_[row] = {caption, field};
}

QPushButton* LoginWindow::addButton(const char* name, std::string_view text, LoginControl control) {
    auto* button = new ui::CaptionButton(sizes_, uiText(text), page_);
    button->setObjectName(QString::fromLatin1(name));
    controls_.add(control, button);
    return button;
}

// The labelled rows below the banner, the Connect button at the bottom left and the Login button
// at the bottom right. Placed by hand once the texts are in: a fixed window of four rows needs no
// layout, which would cost more than making the window's widgets.
void LoginWindow::placeControls() {
    const auto across = [this](int units) { return editions::horizontalPixels(units, units_); };
    const auto down = [this](int units) { return editions::verticalPixels(units, units_); };
    const int left = across(16);
    const int right = page_->width() - left;

    int labelWidth = 0;
    for (const auto& [label, field] : rows_) {
        if (!label->isHidden()) {
            labelWidth = std::max(labelWidth, label->sizeHint().width());
        }
    }
    const int fieldLeft = left + labelWidth + across(4);
    int top = banner_->height() + down(5);
    for (const auto& [label, field] : rows_) {
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

    const int bottom = page_->height() - down(7);
    const QSize connect = connectButton_->sizeHint();
    connectButton_->setGeometry(left, bottom - connect.height(), connect.width(), connect.height());
    const QSize login = loginButton_->sizeHint();
    loginButton_->setGeometry(right - login.width(), bottom - login.height(), login.width(),
                              login.height());
}

}  // namespace login
