#pragma once

#include <QPixmap>

#include "dialog_layout.h"
#include "edition.h"
#include "widget_controls.h"

class QDialog;

namespace ui {

// Makes the widgets of a layout placed in dialog units, at the pixels the units of the window's
// font give, and fixes the window's size to the layout's: each frame a group box holding its
// controls, each widget named as the layout names it, each control reachable through `controls`.
// `picture` is shown where the layout has one.
void buildDialog(QDialog& window, const window_logic::DialogLayout& layout,
                 editions::DialogBaseUnits units, WidgetControls& controls,
                 const QPixmap& picture = {});

}  // namespace ui
