#pragma once

#include <QGroupBox>

namespace ui {

// A frame: its titled border with its controls inside, one group for a screen reader. Disabled
// itself, it would disable every control in it: what the device kinds take away of a frame greys
// its title and border alone, so each control keeps a state of its own and a label the camera can
// still use stays enabled in a frame that is not.
class FrameGroup : public QGroupBox {
  public:
    FrameGroup(const QString& title, QWidget* parent);

    void greyTitle();
    bool titleGreyed() const { return titleGreyed_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool titleGreyed_ = false;
};

}  // namespace ui
