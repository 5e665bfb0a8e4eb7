#pragma once

#include <QDialog>
#include <optional>

#include "context.h"
#include "edition.h"
#include "login_logic.h"
#include "widget_controls.h"

namespace login {

// The first window of every edition, over the login logic: the banner, the user type, the password
// and the language list, the Connect and Login buttons.
class LoginWindow : public QDialog {
    Q_OBJECT

  public:
    LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent = nullptr);

  private:
    ui::WidgetControls controls_;
    std::optional<window_logic::LoginLogic> logic_;
};

}  // namespace login
