#pragma once

#include <QDialog>
#include <array>
#include <string_view>
#include <utility>

#include "context.h"
#include "edition.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace login {

// The first window of every edition: connect to the camera, log in, switch the edition.
class LoginWindow : public QDialog {
    Q_OBJECT

  public:
    LoginWindow(const editions::Edition& edition, ui::Context& context, QWidget* parent = nullptr);

  private:
    void buildLayout();
    void placeControls();
    // Each label with the field it names, top to bottom.
    std::array<std::pair<QLabel*, QWidget*>, 3> rows() const;
    void connectCamera();
    void logIn();
    void chooseLanguage(int position);
    ui::MessageBoxButton showMessage(std::string_view text);

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
};

}  // namespace login
