#include "layout_controls.h"

#include "settings_layout.h"

namespace testing_support {
namespace {

using window_logic::LoginControl;

void addFields(std::vector<LayoutControl>& controls,
               const std::vector<editions::LayoutField>& fields) {
    for (const auto& field : fields) {
        const std::vector<std::string_view> entries(field.presetEntries);
        if (field.row != nullptr) {
            controls.push_back({field.row, editions::controlName(field), entries});
        }
        if (field.windowField) {
            controls.push_back({*field.windowField, editions::controlName(field), entries});
        }
    }
}

void addButtons(std::vector<LayoutControl>& controls,
                const std::vector<editions::LayoutButton>& buttons) {
    for (const auto& button : buttons) {
        controls.push_back({button.role, std::string(editions::buttonName(button.role)), {}});
    }
}

void addFrame(std::vector<LayoutControl>& controls, const editions::LayoutFrame& frame) {
    for (const auto* rows : {&frame.rows, &frame.lowerRows}) {
        for (const auto& row : *rows) {
            addFields(controls, row.fields);
            addButtons(controls, row.buttons);
        }
    }
    for (const auto& column : frame.columns) {
        addFields(controls, column);
    }
    for (const auto& inner : frame.frames) {
        addFrame(controls, inner);
    }
    addButtons(controls, frame.buttons);
}

}  // namespace

std::vector<LayoutControl> settingsControls(const editions::Edition& edition) {
    std::vector<LayoutControl> controls;
    const auto layout = editions::settingsLayout(edition);
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        for (const auto& frame : *frames) {
            addFrame(controls, frame);
        }
    }
    return controls;
}

std::vector<LayoutControl> loginControls() {
    return {{LoginControl::userTypeList, "userTypeList", {}},
            {LoginControl::passwordEdit, "passwordEdit", {}},
            {LoginControl::languageList, "languageList", {}},
            {LoginControl::connectButton, "connectButton", {}},
            {LoginControl::loginButton, "loginButton", {}}};
}

}  // namespace testing_support
