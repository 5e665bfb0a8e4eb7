#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "scripted_boxes.h"

namespace testing_support {

// The scripted boxes as the window tests compare them, in Qt's strings.
class ScriptedMessageBoxes : public ScriptedBoxes {
  public:
    struct Box {
        QString text;
        QString caption;
        window_logic::MessageBoxStyle style;
        bool relabelled;
    };

    std::vector<Box> boxes() const;
    QStringList texts() const;
};

}  // namespace testing_support
