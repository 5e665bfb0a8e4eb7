#pragma once

#include <QComboBox>

namespace settings {

// A drop-down list narrow enough for three columns of them, whose popup still shows its entries
// whole.
class OptionList : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;
};

}  // namespace settings
