#pragma once

#include <QComboBox>
#include <optional>

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

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Layouts ask often; the answer changes only with the font or the style.
    mutable std::optional<QSize> sizeHint_;
};

}  // namespace settings
