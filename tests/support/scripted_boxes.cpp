#include "scripted_boxes.h"

namespace testing_support {

window_logic::MessageBoxButton ScriptedBoxes::show(std::string_view text, std::string_view caption,
                                                   window_logic::MessageBoxStyle style) {
    boxes_.push_back({std::string(text), std::string(caption), style, relabelNext_});
    relabelNext_ = false;
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return style == window_logic::MessageBoxStyle::WarningYesNo
               ? window_logic::MessageBoxButton::No
               : window_logic::MessageBoxButton::Ok;
}

}  // namespace testing_support
