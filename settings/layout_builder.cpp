#include "layout_builder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "option_list.h"
#include "size_remembered.h"
#include "ui_text.h"

namespace settings {
namespace {

using app::uiText;
using editions::ControlKind;

// The menu frame takes three parts of the bottom row, the network frame two.
constexpr int kColumnsStretch = 3;
constexpr int kOtherStretch = 2;
constexpr int kEditMinimumWidth = 80;
constexpr int kLongLabelWidth = 100;

QString objectName(std::string_view name, std::string_view suffix) {
    return uiText(name) + uiText(suffix);
}

QWidget* makeControl(const editions::LayoutField& field, QWidget* parent) {
    switch (field.kind) {
        case ControlKind::textField: {
            auto* edit = new QLineEdit(parent);
            edit->setObjectName(objectName(field.name, "Edit"));
            edit->setMinimumWidth(kEditMinimumWidth);
            return edit;
        }
        case ControlKind::list: {
            auto* list = new OptionList(parent);
            list->setObjectName(objectName(field.name, "List"));
            for (const std::string_view entry : field.presetEntries) {
                list->addItem(uiText(entry));
            }
            return list;
        }
        case ControlKind::valueLabel:
            break;
    }
    auto* value = new QLabel(uiText(field.initialText), parent);
    // Shows the camera's text as it came: Qt would take a text that looks like markup for it.
    value->setTextFormat(Qt::PlainText);
    value->setObjectName(objectName(field.name, "Value"));
    return value;
}

}  // namespace

void LayoutBuilder::build(const editions::SettingsLayout& layout) {
    auto* window = new QVBoxLayout(window_);
    // The window's size is fixed: the layout need not work out the smallest and largest it may be.
    window->setSizeConstraint(QLayout::SetNoConstraint);
    window->setContentsMargins(8, 6, 8, 6);
    window->setSpacing(4);
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        for (const auto& frameLayout : *frames) {
            row->addWidget(frame(frameLayout, window_),
                           frameLayout.columns.empty() ? kOtherStretch : kColumnsStretch);
        }
        window->addLayout(row, frames == &layout.top ? 0 : 1);
    }
}

// Every widget is made with the frame it sits in as its parent and every layout is installed
// before widgets go in: moving a widget to another parent costs more than making it.
QWidget* LayoutBuilder::frame(const editions::LayoutFrame& layout, QWidget* parent) {
    auto* box = new QGroupBox(uiText(layout.title), parent);
    box->setObjectName(uiText(layout.role));
    controls_.add(box);
    auto* content = new QVBoxLayout(box);
    content->setContentsMargins(6, 4, 6, 4);
    content->setSpacing(4);

    if (!layout.rows.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        addRows(grid, box, layout.rows);
    }
    if (!layout.columns.empty()) {
        auto* grid = new QGridLayout;
        content->addLayout(grid);
        grid->setVerticalSpacing(3);
        std::size_t firstTwoRows = 0;
        for (std::size_t column = 0; column < layout.columns.size(); ++column) {
            const auto& fields = layout.columns[column];
            for (std::size_t row = 0; row < fields.size(); ++row) {
                QLabel* label = addField(grid, box, static_cast<int>(row),
                                         static_cast<int>(column) * 2, fields[row], false);
                // Long labels take two lines rather than squeeze the lists beside them; short
                // ones keep to one, which spares the layout measuring their height.
                label->setWordWrap(label->fontMetrics().horizontalAdvance(label->text()) >
                                   kLongLabelWidth);
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

QLabel* LayoutBuilder::addField(QGridLayout* grid, QWidget* parent, int row, int column,
                                const editions::LayoutField& field, bool hidden) {
    auto* label = new app::CaptionLabel(uiText(field.label), parent);
    label->setObjectName(objectName(field.name, "Label"));
    QWidget* control = makeControl(field, parent);
    controls_.add(label);
    controls_.add(control);
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
    return label;
}

void LayoutBuilder::addButtons(QBoxLayout* box, QWidget* parent,
                               const std::vector<editions::LayoutButton>& buttons, bool hidden) {
    for (const auto& buttonLayout : buttons) {
        auto* button = new app::CaptionButton(uiText(buttonLayout.text), parent);
        button->setObjectName(uiText(buttonLayout.role));
        controls_.add(button);
        // Enter ends the settings window whichever button has the focus.
        button->setAutoDefault(false);
        if (hidden) {
            button->hide();
        }
        box->addWidget(button);
    }
}

}  // namespace settings
