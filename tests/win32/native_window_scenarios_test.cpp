#include <gtest/gtest.h>

#include <memory>

#include "native_login_window.h"
#include "native_settings_window.h"
#include "wide_text.h"
#include "window_scenarios.h"

namespace {

using window_logic::Control;

// The native windows, made but not shown, driven by the notifications a user's actions send.
class NativeDriver : public testing_support::ScenarioDriver {
  public:
    void open(const testing_support::WindowScenario& scenario,
              window_logic::Services& services) override {
        const auto& edition = editions::edition(scenario.edition);
        if (scenario.login) {
            window_ = std::make_unique<win32::NativeLoginWindow>(edition, services);
        } else {
            window_ = std::make_unique<win32::NativeSettingsWindow>(edition, services);
        }
        ASSERT_NE(window_->create(), nullptr);
    }
    // One character a message, as the keyboard sends them: the edit keeps to its typing limit.
    void type(Control control, std::string_view text) override {
        HWND edit = find(control);
        SetWindowTextW(edit, L"");
        for (const wchar_t unit : win32::wide(text)) {
            SendMessageW(edit, WM_CHAR, unit, 0);
        }
    }
    void select(Control control, int position) override {
        SendMessageW(find(control), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    }
    // What a click sends, also from a button the window hides.
    void press(Control control) override { notify(control, BN_CLICKED); }
    void chooseLanguage(int position) override {
        select(window_logic::LoginControl::languageList, position);
        notify(window_logic::LoginControl::languageList, CBN_SELCHANGE);
    }
    std::string text(Control control) const override {
        wchar_t text[512] = {};
        GetWindowTextW(find(control), text, 512);
        return win32::narrow(text);
    }
    int selection(Control control) const override {
        return static_cast<int>(SendMessageW(find(control), CB_GETCURSEL, 0, 0));
    }
    // A one-line edit answers with the first character it shows.
    int firstShown(Control control) const override {
        return static_cast<int>(SendMessageW(find(control), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    bool ended() const override { return window_->ended(); }

  private:
    HWND find(Control control) const {
        HWND item = window_->item(control);
        EXPECT_NE(item, nullptr) << "the window has no such control";
        return item;
    }
    void notify(Control control, int notification) {
        HWND item = find(control);
        SendMessageW(window_->handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), notification),
                     reinterpret_cast<LPARAM>(item));
    }

    std::unique_ptr<win32::DialogWindow> window_;
};

TEST(NativeWindowScenariosTest, TheNativeWindowsBehaveAsTheWindowLogic) {
    for (const auto& scenario : testing_support::windowScenarios()) {
        SCOPED_TRACE(scenario.name);
        NativeDriver driver;
        testing_support::runScenario(scenario, driver);
    }
}

}  // namespace
