#include "widget_census.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "dialog_geometry.h"

namespace {

const QString kSeparator = QStringLiteral("\x1f");

std::optional<WidgetCensus::Kind> kindOf(const QWidget* widget) {
    using Kind = WidgetCensus::Kind;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->pixmap().isNull() ? Kind::label : Kind::picture;
    }
    if (qobject_cast<const QLineEdit*>(widget)) {
        return Kind::edit;
    }
    if (qobject_cast<const QComboBox*>(widget)) {
        return Kind::list;
    }
    if (qobject_cast<const QPushButton*>(widget)) {
        return Kind::button;
    }
    if (qobject_cast<const QGroupBox*>(widget)) {
        return Kind::frame;
    }
    return std::nullopt;
}

QStringList textsOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return {label->text()};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return {edit->text()};
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStringList items;
        for (int index = 0; index < list->count(); ++index) {
            items << list->itemText(index);
        }
        return items;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return {button->text()};
    }
    return {qobject_cast<const QGroupBox*>(widget)->title()};
}

}  // namespace

WidgetCensus WidgetCensus::of(const QWidget& window, editions::DialogSize size) {
    WidgetCensus census;
    census.size = size;
    // Parents come before their children in a depth-first walk; a widget is placed in the
    // nearest one the census holds, across the plain widgets between.
    const auto walk = [&](const auto& self, const QWidget* parent, int parentIndex,
                          const QWidget* placedIn) -> void {
        for (const QObject* child : parent->children()) {
            const auto* widget = qobject_cast<const QWidget*>(child);
            if (widget == nullptr) {
                continue;
            }
            const auto kind = kindOf(widget);
            int index = parentIndex;
            const QWidget* place = placedIn;
            if (kind) {
                index = static_cast<int>(census.entries.size());
                place = widget;
                census.entries.push_back({*kind, textsOf(widget), parentIndex,
                                          QRect(widget->mapTo(placedIn, QPoint()), widget->size()),
                                          widget->isHidden()});
            }
            self(self, widget, index, place);
        }
    };
    walk(walk, &window, -1, &window);
    return census;
}

QStringList WidgetCensus::arguments() const {
    QStringList arguments{QString::number(size.width), QString::number(size.height)};
    for (const auto& entry : entries) {
        const QRect& place = entry.geometry;
        arguments << QStringList{QString::number(static_cast<int>(entry.kind)),
                                 QString::number(entry.parent),
                                 QString::number(place.x()),
                                 QString::number(place.y()),
                                 QString::number(place.width()),
                                 QString::number(place.height()),
                                 QString::number(entry.hidden ? 1 : 0)}
                             .join(kSeparator) +
                         kSeparator + entry.texts.join(kSeparator);
    }
    return arguments;
}

WidgetCensus WidgetCensus::fromArguments(const QStringList& arguments) {
    WidgetCensus census;
    census.size = {arguments.value(0).toInt(), arguments.value(1).toInt()};
    for (qsizetype index = 2; index < arguments.size(); ++index) {
        QStringList parts = arguments[index].split(kSeparator);
        const auto number = [&parts] { return parts.takeFirst().toInt(); };
        Entry entry{};
        entry.kind = static_cast<Kind>(number());
        entry.parent = number();
        const int x = number();
        const int y = number();
        const int width = number();
        const int height = number();
        entry.geometry = QRect(x, y, width, height);
        entry.hidden = number() != 0;
        entry.texts = parts;
        census.entries.push_back(entry);
    }
    return census;
}

std::unique_ptr<QDialog> WidgetCensus::bareDialog() const {
    auto dialog = std::make_unique<QDialog>();
    dialog->setFixedSize(ui::dialogPixels(size, ui::dialogBaseUnits(*dialog)));
    std::vector<QWidget*> made;
    for (const auto& entry : entries) {
        QWidget* parent =
            entry.parent < 0 ? dialog.get() : made[static_cast<std::size_t>(entry.parent)];
        QWidget* widget = nullptr;
        switch (entry.kind) {
            case Kind::label:
                widget = new QLabel(entry.texts.value(0), parent);
                break;
            case Kind::picture: {
                auto* picture = new QLabel(parent);
                picture->setPixmap(QPixmap(QStringLiteral(":/banners/english.bmp")));
                widget = picture;
                break;
            }
            case Kind::edit:
                widget = new QLineEdit(entry.texts.value(0), parent);
                break;
            case Kind::list: {
                auto* list = new QComboBox(parent);
                list->addItems(entry.texts);
                widget = list;
                break;
            }
            case Kind::button:
                widget = new QPushButton(entry.texts.value(0), parent);
                break;
            case Kind::frame:
                widget = new QGroupBox(entry.texts.value(0), parent);
                break;
        }
        widget->setGeometry(entry.geometry);
        if (entry.hidden) {
            widget->hide();
        }
        made.push_back(widget);
    }
    return dialog;
}
