#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <string_view>

namespace settings {

// A window's named controls, recorded as the layout makes them, so that the groups find theirs
// without searching the widget tree at every use.
class Controls {
  public:
    void add(QWidget* widget) { byName_.insert(widget->objectName(), widget); }

    // The control of that name and kind, or null.
    template <typename Widget>
    Widget* find(std::string_view name) const {
        return qobject_cast<Widget*>(
            byName_.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
    }

  private:
    QHash<QString, QWidget*> byName_;
};

}  // namespace settings
