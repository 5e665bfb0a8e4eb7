#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "fake_window_controls.h"
#include "login_logic.h"
#include "settings_logic.h"
#include "window_scenarios.h"

namespace {

using testing_support::FakeWindowControls;
using window_logic::Control;

// The window logic over plain values: no toolkit, no event loop.
class LogicDriver : public testing_support::ScenarioDriver {
  public:
    void open(const testing_support::WindowScenario& scenario,
              window_logic::Services& services) override {
        const auto& edition = editions::edition(scenario.edition);
        controls_ = std::make_unique<FakeWindowControls>(
            scenario.login ? FakeWindowControls(testing_support::loginControls())
                           : FakeWindowControls(testing_support::settingsControls(edition)));
        if (scenario.login) {
            login_.emplace(edition, services, *controls_);
        } else {
            settings_.emplace(edition, services, *controls_);
            settings_->open();
        }
    }
    void type(Control control, std::string_view text) override { controls_->type(control, text); }
    void select(Control control, int position) override { controls_->select(control, position); }
    void press(Control control) override {
        if (const auto* button = std::get_if<editions::Button>(&control)) {
            settings_->press(*button);
        } else if (std::get<window_logic::LoginControl>(control) ==
                   window_logic::LoginControl::connectButton) {
            login_->connect();
        } else {
            login_->logIn();
        }
    }
    // A user's choice selects the entry before the list reports it.
    void chooseLanguage(int position) override {
        controls_->select(window_logic::LoginControl::languageList, position);
        login_->chooseLanguage(position);
    }
    std::string text(Control control) const override { return controls_->text(control); }
    int selection(Control control) const override { return controls_->selection(control); }
    // Plain values show no part of a text: every one shows from its start.
    int firstShown(Control) const override { return 0; }
    bool ended() const override { return controls_->ended; }

  private:
    std::unique_ptr<FakeWindowControls> controls_;
    std::optional<window_logic::SettingsLogic> settings_;
    std::optional<window_logic::LoginLogic> login_;
};

TEST(WindowScenariosTest, TheWindowLogicBehavesAsEveryToolkitMust) {
    for (const auto& scenario : testing_support::windowScenarios()) {
        LogicDriver driver;
        testing_support::runScenario(scenario, driver);
    }
}

}  // namespace
