#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

// The kinds of widgets a window is made of, with their texts: enough to build a bare dialog of
// the same widgets, the floor a window of ours is measured against.
struct WidgetCensus {
    enum class Kind { label, edit, list, button, frame, picture };
    struct Entry {
        Kind kind;
        QStringList texts;  // a list's entries, another widget's one text
    };

    static WidgetCensus of(const QWidget& window);
    // The census as command-line arguments and back, for a process of its own.
    QStringList arguments() const;
    static WidgetCensus fromArguments(const QStringList& arguments);

    // A plain dialog of the same size with the same widgets in one grid.
    std::unique_ptr<QDialog> bareDialog() const;

    std::vector<Entry> entries;
    int width = 0;
    int height = 0;
};
