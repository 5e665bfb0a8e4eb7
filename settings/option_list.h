#pragma once

#include <QComboBox>

#include "size_remembered.h"

namespace settings {

// A drop-down list as wide as its longest entry, whichever entries the camera's answer puts in;
// its popup shows them whole too.
class OptionList : public ui::CaptionList {
    Q_OBJECT

  public:
    using CaptionList::CaptionList;

    void showPopup() override;
};

}  // namespace settings
