#include "scripted_message_boxes.h"

#include <QStringList>

namespace testing_support {

ui::MessageBoxButton ScriptedMessageBoxes::show(const QString& text, const QString& caption,
                                                ui::MessageBoxStyle style) {
    boxes_.push_back({text, caption, style, relabelNext_});
    relabelNext_ = false;
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return style == ui::MessageBoxStyle::WarningYesNo ? ui::MessageBoxButton::No
                                                      : ui::MessageBoxButton::Ok;
}

QStringList ScriptedMessageBoxes::texts() const {
    QStringList result;
    for (const auto& box : boxes_) {
        result << box.text;
    }
    return result;
}

}  // namespace testing_support
