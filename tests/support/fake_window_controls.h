#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "layout_controls.h"
#include "window_controls.h"

namespace testing_support {

// A window's controls as plain values, made from the same layouts the toolkits build from, so
// that the window logic runs without any toolkit.
class FakeWindowControls : public window_logic::WindowControls {
  public:
    struct State {
        std::string text;
        std::vector<std::string> entries;
        int selection = -1;
        bool enabled = true;
        // -1 while typing is not limited.
        int typingLimit = -1;
    };

    explicit FakeWindowControls(const std::vector<LayoutControl>& controls);

    State& operator[](window_logic::Control control);
    // As a user types: what the typing limit lets through.
    void type(window_logic::Control control, std::string_view text);

    // The device kind the window disabled its controls for, if it did; whether it ended.
    int disabledForKind = -1;
    bool ended = false;

    bool has(window_logic::Control control) const override;
    std::string text(window_logic::Control control) const override;
    void setText(window_logic::Control control, std::string_view text) override;
    void limitTyping(window_logic::Control control, int limit) override;
    void setEntries(window_logic::Control control,
                    std::span<const std::string_view> entries) override;
    int selection(window_logic::Control control) const override;
    void select(window_logic::Control control, int position) override;
    void disable(window_logic::Control control) override;
    void disableForDeviceKind(int deviceKind) override;
    void endWindow() override { ended = true; }

  private:
    const State& at(window_logic::Control control) const;

    std::map<window_logic::Control, State> controls_;
};

}  // namespace testing_support
