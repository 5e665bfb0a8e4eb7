#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edition.h"
#include "window_controls.h"

namespace testing_support {

// A control of an edition's window, with the object name a toolkit gives it and the entries the
// layout itself puts in a list.
struct LayoutControl {
    window_logic::Control control;
    std::string objectName;
    std::vector<std::string_view> presetEntries;
};

// Every control of the edition's settings window, or of its login window.
std::vector<LayoutControl> settingsControls(const editions::Edition& edition);
std::vector<LayoutControl> loginControls();

}  // namespace testing_support
