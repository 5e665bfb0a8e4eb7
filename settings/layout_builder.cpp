#include "layout_builder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QVBoxLayout>
#include <algorithm>

#include "size_remembered.h"
#include "ui_text.h"

namespace settings {
namespace {

using editions::ControlKind;
using ui::uiText;

// In dialog units.
constexpr int kEditMinimumWidth = 53;
constexpr int kLongLabelWidth = 67;

QWidget* makeControl(const editions::LayoutField& field, QWidget* parent, int editWidth,
                     ui::MeasuredSizes& sizes) {
    switch (field.kind) {
        case ControlKind::textField: {
            auto* edit = new QLineEdit(parent);
            edit->setObjectName(uiText(editions::controlName(field)));
            edit->setMinimumWidth(editWidth);
            return edit;
        }
        case ControlKind::list: {
            auto* list = new ui::CaptionList(sizes, parent);
            list->setObjectName(uiText(editions::controlName(field)));
            for (const std::string_view entry : field.presetEntries) {
                list->addItem(uiText(entry));
            }
            return list;
        }
        case ControlKind::valueLabel:
            break;
    }
    // Shows the camera's text as it came, never taken for markup.
    auto* value = new ui::ValueLabel(sizes, uiText(field.initialText), parent);
    value->setObjectName(uiText(editions::controlName(field)));
    return value;
}

// What the device kinds disable of a frame: a hidden box of the frame's name and title, whose
// state the frame's own title and border show.
class FrameTitle : public ui::CaptionFrame {
  public:
    using CaptionFrame::CaptionFrame;

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            parentWidget()->update();
        }
        CaptionFrame::changeEvent(event);
    }
};

// A frame: its titled border with its controls inside, one group for a screen reader. Disabled
// itself, it would disable every control in it: its title and border show its FrameTitle's state
// instead, so each control keeps a state of its own and a label the camera can still use stays
// enabled in a frame that is not. One widget with a layout per frame: each such widget lays itself
// out once more after the window has been laid out.
class FrameGroup : public QGroupBox {
  public:
    FrameGroup(const QString& title, ui::MeasuredSizes& sizes, QWidget* parent)
        : QGroupBox(title, parent), title_(new FrameTitle(sizes, title, this)) {
        title_->hide();
    }

    QWidget* titleState() const { return title_; }

    // The title's measure is remembered; the box's own shapes the title at every call.
    QSize minimumSizeHint() const override {
        return QWidget::minimumSizeHint().expandedTo(title_->minimumSizeHint());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        if (!title_->isEnabled()) {
            option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(QPalette::Disabled);
        }
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }

  private:
    FrameTitle* title_;
};

}  // namespace

void LayoutBuilder::build(const editions::SettingsLayout& layout) {
    auto* window = new QVBoxLayout(window_);
    // The window's size is fixed: the layout need not work out the smallest and largest it may be.
    window->setSizeConstraint(QLayout::SetNoConstraint);
    window->setContentsMargins(across(5), down(4), across(5), down(4));
    window->setSpacing(down(2));
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        auto* row = new QHBoxLayout;
        row->setSpacing(across(4));
        for (const auto& frameLayout : *frames) {
            // The top row's frames share its width evenly; the bottom row's take what they need
            // first, so that the menu's long labels keep to one line wherever there is room.
            row->addWidget(frame(frameLayout, window_), frames == &layout.top ? 1 : 0);
        }
        window->addLayout(row, frames == &layout.top ? 0 : 1);
    }
}

// Every widget is made with the frame it sits in as its parent and every layout is installed
// before widgets go in: moving a widget to another parent costs more than making it.
QGroupBox* LayoutBuilder::frame(const editions::LayoutFrame& layout, QWidget* parent) {
    const QString title = uiText(layout.title);
    auto* box = new FrameGroup(title, sizes_, parent);
    // Else a screen reader takes an enclosing frame's title for it.
    box->setAccessibleName(title);
    // The device kinds disable the frame by this name.
    box->titleState()->setObjectName(uiText(layout.role));

    auto* content = new QVBoxLayout(box);
    // Inside the box's own margins, which keep clear of the border and title the style draws.
    content->setContentsMargins(across(4), down(2), across(4), down(2));
    content->setSpacing(down(2));

    if (!layout.rows.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        addRows(grid, box, layout.rows);
    }
    if (!layout.columns.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        grid->setSpacing(across(4));
        grid->setVerticalSpacing(down(2));
        std::size_t firstTwoRows = 0;
        for (std::size_t column = 0; column < layout.columns.size(); ++column) {
            const auto& fields = layout.columns[column];
            for (std::size_t row = 0; row < fields.size(); ++row) {
                addField(grid, box, static_cast<int>(row), static_cast<int>(column) * 2,
                         fields[row], false, true);
            }
            if (column < 2) {
                firstTwoRows = std::max(firstTwoRows, fields.size());
            }
        }
        // Inner frames sit below the first two columns, beside the end of the third.
        int row = static_cast<int>(firstTwoRows);
        for (const auto& inner : layout.frames) {
            grid->addWidget(frame(inner, box), row, 0, 2, 4);
            row += 2;
        }
    } else {
        for (const auto& inner : layout.frames) {
            content->addWidget(frame(inner, box));
        }
    }
    if (!layout.lowerRows.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        addRows(grid, box, layout.lowerRows);
    }
    content->addStretch();
    if (!layout.buttons.empty()) {
        auto* buttons = new QHBoxLayout;
        content->addLayout(buttons);
        buttons->addStretch();
        addButtons(buttons, box, layout.buttons, false);
    }
    return box;
}

void LayoutBuilder::addRows(QGridLayout* grid, QGroupBox* frame,
                            const std::vector<editions::LayoutRow>& rows) {
    int row = 0;
    for (const auto& rowLayout : rows) {
        int column = 0;
        for (const auto& field : rowLayout.fields) {
            addField(grid, frame, row, column, field, rowLayout.hidden);
            column += 2;
        }
        if (!rowLayout.buttons.empty()) {
            auto* buttons = new QHBoxLayout;
            grid->addLayout(buttons, row, column);
            addButtons(buttons, frame, rowLayout.buttons, rowLayout.hidden);
        }
        ++row;
    }
}

void LayoutBuilder::addField(QGridLayout* grid, QGroupBox* frame, int row, int column,
                             const editions::LayoutField& field, bool hidden, bool mayWrap) {
    auto* label = new ui::CaptionLabel(sizes_, uiText(field.label), frame);
    // Only long labels may wrap, onto more lines where their column has no room: short ones keep
    // to one line, which spares the layout measuring their height.
    if (mayWrap && label->sizeHint().width() > across(kLongLabelWidth)) {
        label->setWordWrap(true);
    }
    label->setObjectName(uiText(editions::labelName(field)));
    QWidget* control = makeControl(field, frame, across(kEditMinimumWidth), sizes_);
    if (field.row != nullptr) {
        controls_.addSetting(*field.row, control);
    }
    if (field.windowField) {
        controls_.addWindowField(*field.windowField, control);
    }
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
    grid->setColumnStretch(column + 1, 1);
    if (field.kind == ControlKind::valueLabel) {
        control->setAccessibleDescription(label->text());
    } else {
        // A screen reader names the field by its label, hidden or not.
        label->setBuddy(control);
        control->setAccessibleName(label->text());
    }
    if (hidden || field.labelHidden) {
        label->hide();
    }
    if (hidden) {
        control->hide();
    }
}

void LayoutBuilder::addButtons(QBoxLayout* box, QGroupBox* frame,
                               const std::vector<editions::LayoutButton>& buttons, bool hidden) {
    for (const auto& buttonLayout : buttons) {
        auto* button = new ui::CaptionButton(sizes_, uiText(buttonLayout.text), frame);
        button->setObjectName(uiText(editions::buttonName(buttonLayout.role)));
        // Several frames have a "Get" button: a screen reader says whose.
        button->setAccessibleDescription(frame->title());
        controls_.addButton(buttonLayout.role, button);
        // The window presses the focused button on Enter itself: no button is the default.
        button->setAutoDefault(false);
        if (hidden) {
            button->hide();
        }
        box->addWidget(button);
    }
}

}  // namespace settings
