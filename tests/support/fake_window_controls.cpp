#include "fake_window_controls.h"

#include <stdexcept>

#include "typing_limit.h"
#include "utf8.h"

namespace testing_support {
using window_logic::Control;

FakeWindowControls::FakeWindowControls(const std::vector<LayoutControl>& controls) {
    for (const auto& control : controls) {
        controls_[control.control].entries.assign(control.presetEntries.begin(),
                                                  control.presetEntries.end());
    }
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
    // As the toolkits' tests type: the field emptied, then one character after another.
    State& state = (*this)[control];
    const auto typed = platform::fromUtf8(text).value_or(std::u16string());
    std::u16string shown;
    for (std::size_t at = 0; at < typed.size();) {
        const std::size_t units = typed[at] >= 0xD800 && typed[at] <= 0xDBFF ? 2 : 1;
        std::u16string edited = shown + typed.substr(at, units);
        auto position = static_cast<int>(edited.size());
        if (state.typingLimit < 0 ||
            window_logic::keepWithinLimit(shown, edited, position, state.typingLimit)) {
            shown = edited;
        }
        at += units;
    }
    state.text = platform::toUtf8(shown);
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
