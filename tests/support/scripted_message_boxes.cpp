#include "scripted_message_boxes.h"

#include <QStringList>

namespace testing_support {

app::MessageBoxButton ScriptedMessageBoxes::show(const QString& text, const QString& caption,
                                                 app::MessageBoxStyle style) {
    boxes_.push_back({text, caption, style, relabelNext_});
    relabelNext_ = false;
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return style == app::MessageBoxStyle::WarningYesNo ? app::MessageBoxButton::No
                                                       : app::MessageBoxButton::Ok;
}

QStringList ScriptedMessageBoxes::texts() const {
    QStringList result;
    for (const auto& box : boxes_) {
        result << box.text;
    }
    return result;
}

}  // namespace testing_support
