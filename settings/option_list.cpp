#include "option_list.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace settings {
namespace {

constexpr int kCharacters = 10;

}  // namespace

// A fixed width of a few characters, measured without the popup, which costs more to make than
// the list itself and is made only for the lists the user opens.
QSize OptionList::sizeHint() const {
    if (!sizeHint_) {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QFontMetrics metrics = fontMetrics();
        const QSize text(metrics.horizontalAdvance(QLatin1Char('x')) * kCharacters,
                         metrics.height());
        sizeHint_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    }
    return *sizeHint_;
}

QSize OptionList::minimumSizeHint() const {
    return sizeHint();
}

void OptionList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        sizeHint_.reset();
    }
    QComboBox::changeEvent(event);
}

void OptionList::showPopup() {
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + iconSize().width());
    QComboBox::showPopup();
}

}  // namespace settings
