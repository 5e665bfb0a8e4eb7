#include "scripted_message_boxes.h"

namespace testing_support {

std::vector<ScriptedMessageBoxes::Box> ScriptedMessageBoxes::boxes() const {
    std::vector<Box> boxes;
    for (const auto& box : shown()) {
        boxes.push_back({QString::fromStdString(box.text), QString::fromStdString(box.caption),
                         box.style, box.relabelled});
    }
    return boxes;
}

QStringList ScriptedMessageBoxes::texts() const {
    QStringList texts;
    for (const auto& box : shown()) {
        texts << QString::fromStdString(box.text);
    }
    return texts;
}

}  // namespace testing_support
