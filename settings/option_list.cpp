#include "option_list.h"

#include <QAbstractItemView>

namespace settings {

void OptionList::showPopup() {
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + iconSize().width());
    QComboBox::showPopup();
}

}  // namespace settings
