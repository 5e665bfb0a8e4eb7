#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QDialog;
class QWidget;

// The widgets a window is made of, with their kinds, texts, parents, places and visibility:
// enough to build a bare dialog of the same widgets in the same places, with no layouts, data or
// logic, the floor a window of ours is measured against.
struct WidgetCensus {
    enum class Kind { label, edit, list, button, frame, picture };
    struct Entry {
        Kind kind;
        QStringList texts;  // a list's entries, another widget's one text
        int parent;         // the index of the entry it sits in, -1 for the window
        QRect geometry;
        bool hidden;
    };

    static WidgetCensus of(const QWidget& window);
    // The census as command-line arguments and back, for a process of its own.
    QStringList arguments() const;
    static WidgetCensus fromArguments(const QStringList& arguments);

    // A plain dialog of the same size with the same widgets, each placed where the window has it.
    std::unique_ptr<QDialog> bareDialog() const;

    std::vector<Entry> entries;
    int width = 0;
    int height = 0;
};
