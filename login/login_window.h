#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <utility>

#include "context.h"
#include "edition.h"
#include "login_logic.h"
#include "widget_controls.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace login {

// The first window of every edition, over the login logic: the banner, the user type, the password
// and the language list, the Connect and Login buttons.
class LoginWindow : public QDialog {
    Q_OBJECT

  public:
    LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent = nullptr);

  private:
    void buildLayout();
    void placeControls();
    // Each label with the field it names, top to bottom.
    std::array<std::pair<QLabel*, QWidget*>, 3> rows() const;

    const editions::Edition& edition_;
    ui::Context& context_;
    editions::DialogBaseUnits units_{};

    QLabel* banner_ = nullptr;
    QLabel* userTypeLabel_ = nullptr;
    QComboBox* userTypeList_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLineEdit* passwordEdit_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QComboBox* languageList_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QPushButton* loginButton_ = nullptr;
    ui::WidgetControls controls_;
    std::optional<window_logic::LoginLogic> logic_;
};

}  // namespace login
