#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>

namespace ui {

// The sizes widgets need for the texts they show, measured once per kind of widget, text, font
// and style and kept for the run. Windows of an edition show the same texts every time they open,
// and measuring means shaping the text, the largest cost of laying out a window.
class MeasuredSizes {
  public:
    struct Sizes {
        QSize hint;
        QSize minimum;
    };

    // A content as one kind of widget measures it in one font and style.
    struct Key {
        const QMetaObject* kind;
        QFont font;
        QString style;
        QString content;

        bool operator==(const Key&) const = default;
        // Hashing the font's description would format its sizes as text at every look-up.
        friend size_t qHash(const Key& key, size_t seed) {
            return qHashMulti(seed, key.kind, key.font, key.style, key.content);
        }
    };

    // The sizes remembered for the key, else what measure() gives, remembered from now on.
    template <typename Measure>
    Sizes of(const Key& key, Measure measure) {
        auto found = sizes_.constFind(key);
        if (found == sizes_.constEnd()) {
            found = sizes_.insert(key, measure());
        }
        return *found;
    }

  private:
    QHash<Key, Sizes> sizes_;
};

}  // namespace ui
