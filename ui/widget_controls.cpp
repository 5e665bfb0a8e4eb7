#include "widget_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "frame_group.h"
#include "length_limit.h"
#include "ui_text.h"

namespace ui {

void WidgetControls::add(window_logic::Control control, QWidget* widget) {
    widgets_[control] = widget;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        buttons_.emplace_back(control, button);
    }
}

bool WidgetControls::has(window_logic::Control control) const {
    return widgets_.contains(control);
}

std::string WidgetControls::text(window_logic::Control control) const {
    return as<QLineEdit>(control).text().toStdString();
}

void WidgetControls::setText(window_logic::Control control, std::string_view text) {
    QWidget& widget = as<QWidget>(control);
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setText(uiText(text));
        // A text longer than its field shows its start, not its end.
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(uiText(text));
    } else {
        // The layout made the button wide enough for every text it gets.
        as<QPushButton>(control).setText(uiText(text));
    }
}

void WidgetControls::limitTyping(window_logic::Control control, int limit) {
    LengthLimit::apply(&as<QLineEdit>(control), limit);
}

void WidgetControls::setEntries(window_logic::Control control,
                                std::span<const std::string_view> entries) {
    auto& list = as<QComboBox>(control);
    // One insertion of every entry, each at its position.
    list.clear();
    list.insertItems(0, uiTexts(entries));
    // Inserting the first entry selects it; the camera's value decides instead.
    list.setCurrentIndex(-1);
}

int WidgetControls::selection(window_logic::Control control) const {
    return as<QComboBox>(control).currentIndex();
}

void WidgetControls::select(window_logic::Control control, int position) {
    as<QComboBox>(control).setCurrentIndex(position);
}

void WidgetControls::disable(window_logic::Control control) {
    as<QWidget>(control).setEnabled(false);
}

void WidgetControls::disableForDeviceKind(int deviceKind) {
    if (!disabledNames_) {
        return;
    }
    for (const std::string& name : disabledNames_(deviceKind)) {
        auto* widget = window_.findChild<QWidget*>(QString::fromStdString(name));
        if (auto* frame = dynamic_cast<FrameGroup*>(widget)) {
            frame->greyTitle();
        } else if (widget != nullptr) {
            widget->setEnabled(false);
        }
    }
}

void WidgetControls::endWindow() {
    window_.done(QDialog::Accepted);
}

}  // namespace ui
