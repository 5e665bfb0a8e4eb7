#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <utility>

#include "context.h"
#include "edition.h"
#include "login_logic.h"
#include "widget_controls.h"

class QLabel;
class QPushButton;

namespace login {

// The first window of every edition, over the login logic: the banner, the user type, the password
// and the language list, the Connect and Login buttons.
class LoginWindow : public QDialog {
    Q_OBJECT

  public:
    LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent = nullptr);

  private:
    // A label and its field, named for tests and screen readers, reached by the logic as `control`.
    void addRow(std::size_t row, const char* name, std::string_view label, QWidget* field,
                window_logic::LoginControl control);
    QPushButton* addButton(const char* name, std::string_view text,
                           window_logic::LoginControl control);
    void placeControls();

    editions::DialogBaseUnits units_{};
    ui::MeasuredSizes& sizes_;
    QWidget* page_ = nullptr;
    QLabel* banner_ = nullptr;
    // Each label with the field it names, top to bottom.
    std::array<std::pair<QLabel*, QWidget*>, 3> rows_{};
    QPushButton* connectButton_ = nullptr;
    QPushButton* loginButton_ = nullptr;
    ui::WidgetControls controls_;
    std::optional<window_logic::LoginLogic> logic_;
};

}  // namespace login
