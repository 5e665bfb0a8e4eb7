#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "edition.h"

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

    // The window's widgets; its size in dialog units, as the window was given it.
    static WidgetCensus of(const QWidget& window, editions::DialogSize size);
    // The census as command-line arguments and back, for a process of its own.
    QStringList arguments() const;
    static WidgetCensus fromArguments(const QStringList& arguments);

    // A plain dialog with the same widgets, each placed where the window has it, sized from the
    // same dialog units through its own font as the window is.
    std::unique_ptr<QDialog> bareDialog() const;

    std::vector<Entry> entries;
    editions::DialogSize size{};
};
