#include "frame_group.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace ui {

FrameGroup::FrameGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    // Else a screen reader takes an enclosing frame's title for it.
    setAccessibleName(title);
}

void FrameGroup::greyTitle() {
    titleGreyed_ = true;
    update();
}

void FrameGroup::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (titleGreyed_) {
        option.state &= ~QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Disabled);
    }
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace ui
