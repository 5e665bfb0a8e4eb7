#include "widget_census.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kColumns = 8;
const QString kSeparator = QStringLiteral("\x1f");

}  // namespace

WidgetCensus WidgetCensus::of(const QWidget& window) {
    WidgetCensus census;
    census.width = window.width();
    census.height = window.height();
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const bool picture = !label->pixmap().isNull();
            census.entries.push_back({picture ? Kind::picture : Kind::label, {label->text()}});
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            census.entries.push_back({Kind::edit, {edit->text()}});
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            QStringList items;
            for (int index = 0; index < list->count(); ++index) {
                items << list->itemText(index);
            }
            census.entries.push_back({Kind::list, items});
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            census.entries.push_back({Kind::button, {button->text()}});
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            census.entries.push_back({Kind::frame, {frame->title()}});
        }
    }
    return census;
}

QStringList WidgetCensus::arguments() const {
    QStringList arguments{QString::number(width), QString::number(height)};
    for (const auto& entry : entries) {
        arguments << QString::number(static_cast<int>(entry.kind)) + kSeparator +
                         entry.texts.join(kSeparator);
    }
    return arguments;
}

WidgetCensus WidgetCensus::fromArguments(const QStringList& arguments) {
    WidgetCensus census;
    census.width = arguments.value(0).toInt();
    census.height = arguments.value(1).toInt();
    for (qsizetype index = 2; index < arguments.size(); ++index) {
        QStringList parts = arguments[index].split(kSeparator);
        const auto kind = static_cast<Kind>(parts.takeFirst().toInt());
        census.entries.push_back({kind, parts});
    }
    return census;
}

std::unique_ptr<QDialog> WidgetCensus::bareDialog() const {
    auto dialog = std::make_unique<QDialog>();
    dialog->setFixedSize(width, height);
    auto* grid = new QGridLayout(dialog.get());
    int cell = 0;
    for (const auto& entry : entries) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
            case Kind::label:
                widget = new QLabel(entry.texts.value(0));
                break;
            case Kind::picture: {
                auto* picture = new QLabel;
                picture->setPixmap(QPixmap(QStringLiteral(":/banners/english.bmp")));
                widget = picture;
                break;
            }
            case Kind::edit:
                widget = new QLineEdit(entry.texts.value(0));
                break;
            case Kind::list: {
                auto* list = new QComboBox;
                list->addItems(entry.texts);
                widget = list;
                break;
            }
            case Kind::button:
                widget = new QPushButton(entry.texts.value(0));
                break;
            case Kind::frame:
                widget = new QGroupBox(entry.texts.value(0));
                break;
        }
        grid->addWidget(widget, cell / kColumns, cell % kColumns);
        ++cell;
    }
    return dialog;
}
