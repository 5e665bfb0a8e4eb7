#include "dialog_widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <vector>

#include "dialog_geometry.h"
#include "frame_group.h"
#include "ui_text.h"

namespace ui {
namespace {

using window_logic::DialogItem;
using window_logic::ItemKind;

// A value the camera gives, in the room the layout made for the text the window opens with: a
// longer text is cut short with an ellipsis, and moves nothing. A screen reader reads it whole, and
// so does its tooltip, which the keyboard shows too: Tab reaches the value, and its text can be
// selected and copied.
class ValueLabel : public QLabel {
  public:
    ValueLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        setFocusPolicy(Qt::TabFocus);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!isCut()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        const QRect room = contentsRect();
        style()->drawItemText(
            &painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
            isEnabled(), fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
            foregroundRole());
    }

    void focusInEvent(QFocusEvent* event) override {
        QLabel::focusInEvent(event);
        if (isCut()) {
            QToolTip::showText(mapToGlobal(QPoint(0, height())), text(), this);
        }
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isCut()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
            return true;
        }
        return QLabel::event(event);
    }

  private:
    bool isCut() const { return fontMetrics().horizontalAdvance(text()) > contentsRect().width(); }
};

QWidget* makeWidget(const DialogItem& item, QWidget* parent, const QPixmap& picture) {
    const QString text = uiText(item.text);
    switch (item.kind) {
        case ItemKind::frame:
            return new FrameGroup(text, parent);
        case ItemKind::label:
        case ItemKind::valueLabel: {
            auto* label = item.kind == ItemKind::label ? new QLabel(text, parent)
                                                       : new ValueLabel(text, parent);
            // Texts are shown as they are written, the camera's too, never taken for markup.
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ItemKind::edit:
            return new QLineEdit(parent);
        case ItemKind::list: {
            auto* list = new QComboBox(parent);
            list->insertItems(0, uiTexts(item.presetEntries));
            return list;
        }
        case ItemKind::button: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(item.defaultButton);
            return button;
        }
        case ItemKind::picture:
            break;
    }
    auto* label = new QLabel(parent);
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// The label a field's control follows names it for a screen reader.
void nameByLabel(QWidget* control, ItemKind kind, QLabel* label) {
    if (kind == ItemKind::valueLabel) {
        control->setAccessibleDescription(label->text());
    } else {
        label->setBuddy(control);
        control->setAccessibleName(label->text());
    }
}

}  // namespace

void buildDialog(QDialog& window, const window_logic::DialogLayout& layout,
                 editions::DialogBaseUnits units, WidgetControls& controls,
                 const QPixmap& picture) {
    // Each of the four mapped alone, as the desktop's dialogs do: a size holds what it was
    // measured for, and the gaps between items take what rounding adds.
    const auto pixels = [units](const DialogItem& item) {
        return QRect(editions::horizontalPixels(item.x, units),
                     editions::verticalPixels(item.y, units),
                     editions::horizontalPixels(item.width, units),
                     editions::verticalPixels(item.height, units));
    };
    QWidget* page = fixSizeOnScreen(window, dialogPixels(layout.size, units));
    // The frames that enclose the item being made, innermost last. Items come in tab order, each
    // frame before what it holds.
    std::vector<std::pair<const DialogItem*, QGroupBox*>> frames;
    QLabel* label = nullptr;
    for (const DialogItem& item : layout.items) {
        while (!frames.empty() && !pixels(*frames.back().first).contains(pixels(item).topLeft())) {
            frames.pop_back();
        }
        QWidget* parent = frames.empty() ? page : frames.back().second;
        QWidget* widget = makeWidget(item, parent, picture);
        widget->setObjectName(uiText(item.name));
        widget->setGeometry(frames.empty()
                                ? pixels(item)
                                : pixels(item).translated(-pixels(*frames.back().first).topLeft()));
        if (item.hidden) {
            widget->hide();
        }
        if (item.kind == ItemKind::frame) {
            frames.emplace_back(&item, static_cast<QGroupBox*>(widget));
        } else if (item.kind == ItemKind::label) {
            label = static_cast<QLabel*>(widget);
        } else if (item.kind == ItemKind::button) {
            if (!frames.empty()) {
                // Several frames have a "Get" button: a screen reader says whose.
                widget->setAccessibleDescription(frames.back().second->title());
            }
        } else if (item.kind == ItemKind::picture) {
            widget->setAccessibleName(uiText(layout.title));
        } else if (label != nullptr) {
            nameByLabel(widget, item.kind, label);
            label = nullptr;
        }
        if (item.control) {
            controls.add(*item.control, widget);
        }
    }
}

}  // namespace ui
