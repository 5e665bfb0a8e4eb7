#include "fake_window_controls.h"

#include <stdexcept>

#include "settings_layout.h"
#include "utf8.h"

namespace testing_support {
namespace {

using window_logic::Control;

void addFields(std::map<Control, FakeWindowControls::State>& controls,
               const std::vector<editions::LayoutField>& fields) {
    for (const auto& field : fields) {
        if (field.row != nullptr) {
            controls[field.row].entries.assign(field.presetEntries.begin(),
                                               field.presetEntries.end());
        }
        if (field.windowField) {
            controls[*field.windowField].entries.assign(field.presetEntries.begin(),
                                                        field.presetEntries.end());
        }
    }
}

void addFrame(std::map<Control, FakeWindowControls::State>& controls,
              const editions::LayoutFrame& frame) {
    for (const auto* rows : {&frame.rows, &frame.lowerRows}) {
        for (const auto& row : *rows) {
            addFields(controls, row.fields);
            for (const auto& button : row.buttons) {
                controls[button.role];
            }
        }
    }
    for (const auto& column : frame.columns) {
        addFields(controls, column);
    }
    for (const auto& inner : frame.frames) {
        addFrame(controls, inner);
    }
    for (const auto& button : frame.buttons) {
        controls[button.role];
    }
}

}  // namespace

FakeWindowControls FakeWindowControls::settingsWindow(const editions::Edition& edition) {
    FakeWindowControls window;
    const auto layout = editions::settingsLayout(edition);
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        for (const auto& frame : *frames) {
            addFrame(window.controls_, frame);
        }
    }
    return window;
}

FakeWindowControls FakeWindowControls::loginWindow() {
    using window_logic::LoginControl;
    FakeWindowControls window;
    for (const auto control :
         {LoginControl::userTypeList, LoginControl::passwordEdit, LoginControl::languageList,
          LoginControl::connectButton, LoginControl::loginButton}) {
        window.controls_[control];
    }
    return window;
}

FakeWindowControls::State& FakeWindowControls::operator[](Control control) {
    return const_cast<State&>(at(control));
}

const FakeWindowControls::State& FakeWindowControls::at(Control control) const {
    const auto found = controls_.find(control);
    if (found == controls_.end()) {
        throw std::logic_error("the window has no such control");
    }
    return found->second;
}

void FakeWindowControls::type(Control control, std::string_view text) {
    State& state = (*this)[control];
    auto typed = platform::fromUtf8(text).value_or(std::u16string());
    if (state.typingLimit >= 0 && typed.size() > static_cast<std::size_t>(state.typingLimit)) {
        typed.resize(static_cast<std::size_t>(state.typingLimit));
    }
    state.text = platform::toUtf8(typed);
}

bool FakeWindowControls::has(Control control) const {
    return controls_.contains(control);
}

std::string FakeWindowControls::text(Control control) const {
    return at(control).text;
}

void FakeWindowControls::setText(Control control, std::string_view text) {
    (*this)[control].text = text;
}

void FakeWindowControls::limitTyping(Control control, int limit) {
    (*this)[control].typingLimit = limit;
}

void FakeWindowControls::setEntries(Control control, std::span<const std::string_view> entries) {
    State& state = (*this)[control];
    state.entries.assign(entries.begin(), entries.end());
    state.selection = -1;
}

int FakeWindowControls::selection(Control control) const {
    return at(control).selection;
}

void FakeWindowControls::select(Control control, int position) {
    State& state = (*this)[control];
    const bool inList = position >= 0 && position < static_cast<int>(state.entries.size());
    state.selection = inList ? position : -1;
}

void FakeWindowControls::disable(Control control) {
    (*this)[control].enabled = false;
}

void FakeWindowControls::disableForDeviceKind(int deviceKind) {
    disabledForKind = deviceKind;
}

}  // namespace testing_support
