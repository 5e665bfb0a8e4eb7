#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>
#include <optional>

#include "context.h"
#include "login_window.h"
#include "settings_window.h"
#include "ui_text.h"
#include "window_scenarios.h"

namespace {

using window_logic::Control;

// The Qt windows on the offscreen platform, driven through their widgets as a user drives them.
class QtDriver : public testing_support::ScenarioDriver {
  public:
    void open(const testing_support::WindowScenario& scenario,
              window_logic::Services& services) override {
        const auto& edition = editions::edition(scenario.edition);
        for (const auto& [control, name, entries] :
             scenario.login ? testing_support::loginControls()
                            : testing_support::settingsControls(edition)) {
            names_.emplace(control, QString::fromStdString(name));
        }
        context_.emplace(ui::Context{services, fontMeasures_});
        if (scenario.login) {
            window_ = std::make_unique<login::LoginWindow>(edition, *context_);
        } else {
            window_ = std::make_unique<settings::SettingsWindow>(edition, *context_);
        }
        // As the hand-over's modal run shows it.
        window_->show();
    }
    void type(Control control, std::string_view text) override {
        if (auto* edit = find<QLineEdit>(control)) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            // One key event a character, as a keyboard of any script sends it: QTest's own key
            // clicks know Latin-1 alone.
            const QString typed = ui::uiText(text);
            for (qsizetype at = 0; at < typed.size(); at += typed[at].isHighSurrogate() ? 2 : 1) {
                const QString character = typed.mid(at, typed[at].isHighSurrogate() ? 2 : 1);
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
                QApplication::sendEvent(edit, &press);
            }
        }
    }
    void select(Control control, int position) override {
        if (auto* list = find<QComboBox>(control)) {
            list->setCurrentIndex(position);
        }
    }
    void press(Control control) override {
        // A button the window hides still clicks, as its logic expects of it.
        if (auto* button = find<QPushButton>(control)) {
            button->click();
        }
    }
    void chooseLanguage(int position) override {
        // What the list's popup does with the entry clicked.
        if (auto* list = find<QComboBox>(window_logic::LoginControl::languageList)) {
            list->setCurrentIndex(position);
            emit list->activated(position);
        }
    }
    std::string text(Control control) const override {
        const auto* widget = find<QWidget>(control);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            return edit->text().toStdString();
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            return label->text().toStdString();
        }
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            return button->text().toStdString();
        }
        ADD_FAILURE() << "no text shown by " << names_.at(control).toStdString();
        return {};
    }
    int selection(Control control) const override {
        const auto* list = find<QComboBox>(control);
        return list ? list->currentIndex() : -1;
    }
    // A line edit scrolls to keep its cursor in view.
    int firstShown(Control control) const override {
        const auto* edit = find<QLineEdit>(control);
        return edit ? edit->cursorPosition() : -1;
    }
    // The logic ends a window with done(Accepted), which hides it.
    bool ended() const override {
        return window_->isHidden() && window_->result() == QDialog::Accepted;
    }

  private:
    template <typename Widget>
    Widget* find(Control control) const {
        const auto name = names_.find(control);
        if (name == names_.end()) {
            ADD_FAILURE() << "the layout names no such control";
            return nullptr;
        }
        auto* widget = window_->findChild<Widget*>(name->second);
        if (widget == nullptr) {
            ADD_FAILURE() << "no " << Widget::staticMetaObject.className() << " named "
                          << name->second.toStdString();
        }
        return widget;
    }

    std::map<Control, QString> names_;
    ui::FontMeasures fontMeasures_;
    std::optional<ui::Context> context_;
    std::unique_ptr<QDialog> window_;
};

TEST(WindowScenariosWidgetTest, TheQtWindowsBehaveAsTheWindowLogic) {
    for (const auto& scenario : testing_support::windowScenarios()) {
        QtDriver driver;
        testing_support::runScenario(scenario, driver);
    }
}

}  // namespace
