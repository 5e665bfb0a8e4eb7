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

#include "ui_text.h"

namespace settings {
namespace {

using app::uiText;
using editions::ControlKind;

// Lists stay narrow enough for three columns in the fixed window; their popups show whole
// entries.
constexpr int kListCharacters = 8;
// The menu frame takes three parts of the bottom row, the network frame two.
constexpr int kColumnsStretch = 3;
constexpr int kOtherStretch = 2;
constexpr int kEditMinimumWidth = 80;

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
            auto* list = new QComboBox(parent);
            list->setObjectName(objectName(field.name, "List"));
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            list->setMinimumContentsLength(kListCharacters);
            for (const std::string_view entry : field.presetEntries) {
                list->addItem(uiText(entry));
            }
            return list;
        }
        case ControlKind::valueLabel:
            break;
    }
    auto* value = new QLabel(uiText(field.initialText), parent);
    value->setObjectName(objectName(field.name, "Value"));
    // The camera's own texts: readable and copyable from the keyboard.
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setFocusPolicy(Qt::StrongFocus);
    return value;
}

}  // namespace

void LayoutBuilder::build(const editions::SettingsLayout& layout) {
    auto* window = new QVBoxLayout(window_);
    window->setContentsMargins(8, 6, 8, 6);
    window->setSpacing(4);
    for (const auto* frames : {&layout.top, &layout.bottom}) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        for (const auto& frameLayout : *frames) {
            row->addWidget(frame(frameLayout),
                           frameLayout.columns.empty() ? kOtherStretch : kColumnsStretch);
        }
        window->addLayout(row, frames == &layout.top ? 0 : 1);
    }
}

QWidget* LayoutBuilder::frame(const editions::LayoutFrame& layout) {
    auto* box = new QGroupBox(uiText(layout.title), window_);
    box->setObjectName(uiText(layout.role));
    auto* content = new QVBoxLayout(box);
    content->setContentsMargins(6, 4, 6, 4);
    content->setSpacing(4);

    if (!layout.rows.empty()) {
        auto* grid = new QGridLayout;
        addRows(grid, 0, layout.rows);
        content->addLayout(grid);
    }
    if (!layout.columns.empty()) {
        auto* grid = new QGridLayout;
        grid->setVerticalSpacing(3);
        std::size_t firstTwoRows = 0;
        for (std::size_t column = 0; column < layout.columns.size(); ++column) {
            const auto& fields = layout.columns[column];
            for (std::size_t row = 0; row < fields.size(); ++row) {
                QLabel* label = addField(grid, static_cast<int>(row), static_cast<int>(column) * 2,
                                         fields[row], false);
                // Long labels take two lines rather than squeeze the lists beside them.
                label->setWordWrap(true);
            }
            if (column < 2) {
                firstTwoRows = std::max(firstTwoRows, fields.size());
            }
        }
        // Inner frames sit below the first two columns, beside the end of the third.
        int row = static_cast<int>(firstTwoRows);
        for (const auto& inner : layout.frames) {
            grid->addWidget(frame(inner), row++, 0, 2, 4);
            ++row;
        }
        content->addLayout(grid);
    } else {
        for (const auto& inner : layout.frames) {
            content->addWidget(frame(inner));
        }
    }
    if (!layout.lowerRows.empty()) {
        auto* grid = new QGridLayout;
        addRows(grid, 0, layout.lowerRows);
        content->addLayout(grid);
    }
    content->addStretch();
    if (!layout.buttons.empty()) {
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        addButtons(buttons, layout.buttons, false);
        content->addLayout(buttons);
    }
    return box;
}

void LayoutBuilder::addRows(QGridLayout* grid, int firstRow,
                            const std::vector<editions::LayoutRow>& rows) {
    int row = firstRow;
    for (const auto& rowLayout : rows) {
        int column = 0;
        for (const auto& field : rowLayout.fields) {
            addField(grid, row, column, field, rowLayout.hidden);
            column += 2;
        }
        if (!rowLayout.buttons.empty()) {
            auto* buttons = new QHBoxLayout;
            addButtons(buttons, rowLayout.buttons, rowLayout.hidden);
            grid->addLayout(buttons, row, column);
        }
        ++row;
    }
}

QLabel* LayoutBuilder::addField(QGridLayout* grid, int row, int column,
                                const editions::LayoutField& field, bool hidden) {
    auto* label = new QLabel(uiText(field.label), window_);
    label->setObjectName(objectName(field.name, "Label"));
    QWidget* control = makeControl(field, window_);
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

void LayoutBuilder::addButtons(QBoxLayout* box, const std::vector<editions::LayoutButton>& buttons,
                               bool hidden) {
    for (const auto& buttonLayout : buttons) {
        auto* button = new QPushButton(uiText(buttonLayout.text), window_);
        button->setObjectName(uiText(buttonLayout.role));
        // Enter ends the settings window whichever button has the focus.
        button->setAutoDefault(false);
        if (hidden) {
            button->hide();
        }
        box->addWidget(button);
    }
}

}  // namespace settings
