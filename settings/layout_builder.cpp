#include "layout_builder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "option_list.h"
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
            auto* list = new OptionList(sizes, parent);
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
    auto* value = new ui::CaptionLabel(sizes, uiText(field.initialText), parent);
    value->setObjectName(uiText(editions::controlName(field)));
    return value;
}

// A frame's page of controls, which the layouts place, with the frame's border following it. One
// widget with a layout per frame rather than two: each such widget lays itself out once more after
// the window has been laid out.
class FramePage : public QWidget {
  public:
    FramePage(QGroupBox* box, QWidget* parent) : QWidget(parent), box_(box) {}

    // The frame's title, too, shows whole.
    QSize minimumSizeHint() const override {
        return QWidget::minimumSizeHint().expandedTo(box_->minimumSizeHint());
    }

  protected:
    void moveEvent(QMoveEvent* event) override {
        box_->setGeometry(geometry());
        QWidget::moveEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        box_->setGeometry(geometry());
        QWidget::resizeEvent(event);
    }

  private:
    QGroupBox* box_;
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

// A frame is its titled border with its controls on a page laid over it, not inside it: disabling
// a frame greys its title and border alone, and each control keeps a state of its own, so a label
// the camera can still use stays enabled in a frame that is not.
// Every widget is made with the page it sits in as its parent and every layout is installed
// before widgets go in: moving a widget to another parent costs more than making it.
QWidget* LayoutBuilder::frame(const editions::LayoutFrame& layout, QWidget* parent) {
    const QString title = uiText(layout.title);
    // Made before the page, the border lies under it.
    auto* box = new ui::CaptionFrame(sizes_, title, parent);
    box->setObjectName(uiText(layout.role));
    // Else a screen reader takes an enclosing frame's title for it.
    box->setAccessibleName(title);
    controls_.addRestricted(box, layout.disabledByKinds);
    auto* page = new FramePage(box, parent);
    page->setAccessibleName(title);

    auto* content = new QVBoxLayout(page);
    // Clear of the border and title the style draws.
    content->setContentsMargins(box->contentsMargins() +
                                QMargins(across(4), down(2), across(4), down(2)));
    content->setSpacing(down(2));

    if (!layout.rows.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        addRows(grid, page, layout.rows);
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
                addField(grid, page, static_cast<int>(row), static_cast<int>(column) * 2,
                         fields[row], false, true);
            }
            if (column < 2) {
                firstTwoRows = std::max(firstTwoRows, fields.size());
            }
        }
        // Inner frames sit below the first two columns, beside the end of the third.
        int row = static_cast<int>(firstTwoRows);
        for (const auto& inner : layout.frames) {
            grid->addWidget(frame(inner, page), row, 0, 2, 4);
            row += 2;
        }
    } else {
        for (const auto& inner : layout.frames) {
            content->addWidget(frame(inner, page));
        }
    }
    if (!layout.lowerRows.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        addRows(grid, page, layout.lowerRows);
    }
    content->addStretch();
    if (!layout.buttons.empty()) {
        auto* buttons = new QHBoxLayout;
        content->addLayout(buttons);
        buttons->addStretch();
        addButtons(buttons, page, layout.buttons, false);
    }
    return page;
}

void LayoutBuilder::addRows(QGridLayout* grid, QWidget* parent,
                            const std::vector<editions::LayoutRow>& rows) {
    int row = 0;
    for (const auto& rowLayout : rows) {
        int column = 0;
        for (const auto& field : rowLayout.fields) {
            addField(grid, parent, row, column, field, rowLayout.hidden);
            column += 2;
        }
        if (!rowLayout.buttons.empty()) {
            auto* buttons = new QHBoxLayout;
            grid->addLayout(buttons, row, column);
            addButtons(buttons, parent, rowLayout.buttons, rowLayout.hidden);
        }
        ++row;
    }
}

void LayoutBuilder::addField(QGridLayout* grid, QWidget* parent, int row, int column,
                             const editions::LayoutField& field, bool hidden, bool mayWrap) {
    auto* label = new ui::CaptionLabel(sizes_, uiText(field.label), parent);
    // Only long labels may wrap, onto more lines where their column has no room: short ones keep
    // to one line, which spares the layout measuring their height.
    if (mayWrap && label->sizeHint().width() > across(kLongLabelWidth)) {
        label->setWordWrap(true);
    }
    label->setObjectName(uiText(editions::labelName(field)));
    QWidget* control = makeControl(field, parent, across(kEditMinimumWidth), sizes_);
    if (field.row != nullptr) {
        controls_.addSetting(*field.row, control);
    }
    if (field.windowField) {
        controls_.addWindowField(*field.windowField, control);
    }
    controls_.addRestricted(control, field.disabledByKinds());
    controls_.addRestricted(label, field.labelDisabledKinds());
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

void LayoutBuilder::addButtons(QBoxLayout* box, QWidget* parent,
                               const std::vector<editions::LayoutButton>& buttons, bool hidden) {
    for (const auto& buttonLayout : buttons) {
        auto* button = new ui::CaptionButton(sizes_, uiText(buttonLayout.text), parent);
        button->setObjectName(uiText(editions::buttonName(buttonLayout.role)));
        controls_.addButton(buttonLayout.role, button);
        controls_.addRestricted(button, buttonLayout.disabledByKinds);
        // The window presses the focused button on Enter itself: no button is the default.
        button->setAutoDefault(false);
        if (hidden) {
            button->hide();
        }
        box->addWidget(button);
    }
}

}  // namespace settings
