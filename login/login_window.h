#pragma once

#include <QDialog>
#include <string_view>

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
    LoginWindow(const editions::Edition& edition, app::Context& context, QWidget* parent = nullptr);

  private:
    void buildLayout();
    void connectCamera();
    void logIn();
    void chooseLanguage(int position);
    app::MessageBoxButton showMessage(std::string_view text);

    const editions::Edition& edition_;
    app::Context& context_;

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
