#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "camera_function.h"
#include "edition.h"
#include "layout_controls.h"
#include "recording_hand_over.h"
#include "services.h"
#include "window_controls.h"

namespace testing_support {

// One thing a user does in a window.
struct ScenarioStep {
    // clearFaults: the camera behaves again from then on.
    enum class Kind { type, select, press, answerNext, chooseLanguage, clearFaults };
    Kind kind;
    window_logic::Control control = editions::Button::identityGet;
    std::string text = {};
    // The position to select or choose, or the button that answers the next box.
    int number = 0;
};

// What a user does in one window of an edition, and what must follow: the camera's calls in
// order (from the window's opening on), the boxes shown, the windows handed over to, and fields
// afterwards.
struct WindowScenario {
    std::string name;
    int edition = 0;
    bool login = false;
    int deviceKind = 0;
    // Fail, or leave texts without their terminators, from before the window opens.
    std::vector<k47::Function> failing = {};
    std::vector<k47::Function> unterminated = {};
    std::vector<ScenarioStep> steps = {};
    std::vector<std::string> calls = {};
    std::vector<std::string> boxes = {};
    std::vector<RecordingHandOver::Run> handOvers = {};
    std::vector<std::pair<window_logic::Control, std::string>> texts = {};
    std::vector<std::pair<window_logic::Control, int>> selections = {};
    // Fields whose text the window shows from its first character.
    std::vector<window_logic::Control> shownFromStart = {};
    // The camera's menu record, or its Wi-Fi station byte, is as it was before the window opened.
    bool keepsMenu = false;
    bool keepsStation = false;
    // The edition the language file names afterwards, when the scenario writes it.
    std::optional<std::string> languageSetting = std::nullopt;
};

// The scenarios of every edition's windows, the same for every toolkit.
std::vector<WindowScenario> windowScenarios();

// A toolkit's windows as a scenario drives them.
class ScenarioDriver {
  public:
    virtual ~ScenarioDriver() = default;

    virtual void open(const WindowScenario& scenario, window_logic::Services& services) = 0;
    virtual void type(window_logic::Control control, std::string_view text) = 0;
    virtual void select(window_logic::Control control, int position) = 0;
    virtual void press(window_logic::Control control) = 0;
    virtual void chooseLanguage(int position) = 0;
    virtual std::string text(window_logic::Control control) const = 0;
    virtual int selection(window_logic::Control control) const = 0;
    // The first character a field shows: 0 when its text shows from its start.
    virtual int firstShown(window_logic::Control control) const = 0;
    virtual bool ended() const = 0;
};

// Runs the scenario on the emulated camera through the driver, and checks what followed.
void runScenario(const WindowScenario& scenario, ScenarioDriver& driver);

}  // namespace testing_support
